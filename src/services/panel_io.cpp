// Reading a panel's boxes, check boxes and class combo, writing its result boxes, and telling a refused box.
#include "services/panel_io.h"

#include "services/form.h"
#include "services/input_checks_rules.h"
#include "services/number_format.h"
#include "services/numeric_text.h"
#include "services/rolling_sphere.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace services {

std::optional<double> boxNumber(Form& form, const QString& name, std::optional<int> index)
{
    const QLineEdit* box = form.controls().textBox(name, index);
    if (!box)
        return std::nullopt;
    return NumericValue(box->text());
}

std::optional<double> boxNumber(Form& form, const PanelField& field) { return boxNumber(form, field.name, field.index); }

QString boxText(Form& form, const QString& name, std::optional<int> index)
{
    const QLineEdit* box = form.controls().textBox(name, index);
    return box ? box->text() : QString();
}

QString boxText(Form& form, const PanelField& field) { return boxText(form, field.name, field.index); }

std::optional<double> classSphereRadius(Form& form, const PanelField& classCombo)
{
    const QComboBox* combo = form.controls().comboBox(classCombo.name, classCombo.index);
    if (!combo)
        return std::nullopt;
    return SphereRadiusOfClass(combo->currentText());
}

bool isTicked(Form& form, const QString& name, std::optional<int> index)
{
    const QCheckBox* check = form.controls().checkBox(name, index);
    return check && check->checkState() == Qt::Checked;
}

bool isTicked(Form& form, const PanelField& checkBox) { return isTicked(form, checkBox.name, checkBox.index); }

FieldTable<DrawingTick> drawingTicks(const QString& checkBoxes)
{
    return {
        {DrawingTick::GroundRange, {checkBoxes, 0, {}}},
        {DrawingTick::TargetRange, {checkBoxes, 1, {}}},
        {DrawingTick::Section, {checkBoxes, 2, {}}},
    };
}

double shownValue(double value) { return NumericValue(FormatFixed3(value)).value_or(value); }

void showResult(Form& form, const QString& name, std::optional<int> index, double value)
{
    if (QLineEdit* box = form.controls().textBox(name, index))
        box->setText(FormatFixed3(value));
}

void showResult(Form& form, const PanelField& field, double value) { showResult(form, field.name, field.index, value); }

void refuse(Form& form, const QString& name, std::optional<int> index, const QString& message)
{
    checks::Rules(form).fail(name, index, message);
}

void refuse(Form& form, const PanelField& field, const QString& message) { refuse(form, field.name, field.index, message); }

void blame(Form& form, const PanelField& field) { refuse(form, field.name, field.index, field.message); }

QString tallerRodWarning(const QString& prefix, double sphereRadius)
{
    return prefix + DecimalText(sphereRadius) + QStringLiteral("米部分无效!");
}

} // namespace services

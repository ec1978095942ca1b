// Reading a rod panel's boxes and class combo, and writing its result boxes.
#include "rods/panel_io.h"

#include "services/form.h"
#include "services/input_checks_rules.h"
#include "services/number_format.h"
#include "services/numeric_text.h"
#include "services/rolling_sphere.h"

#include <QComboBox>
#include <QLineEdit>

namespace rods {

std::optional<double> boxNumber(services::Form& form, const QString& name, std::optional<int> index)
{
    const QLineEdit* box = form.controls().textBox(name, index);
    if (!box)
        return std::nullopt;
    return services::NumericValue(box->text());
}

std::optional<double> classSphereRadius(services::Form& form, int comboIndex)
{
    const QComboBox* combo = form.controls().comboBox(QStringLiteral("comClass"), comboIndex);
    if (!combo)
        return std::nullopt;
    return services::SphereRadiusOfClass(combo->currentText());
}

void showResult(services::Form& form, const QString& name, std::optional<int> index, double value)
{
    if (QLineEdit* box = form.controls().textBox(name, index))
        box->setText(services::FormatFixed3(value));
}

void refuse(services::Form& form, const QString& name, std::optional<int> index, const QString& message)
{
    services::checks::Rules(form).fail(name, index, message);
}

QString tallerRodWarning(const QString& prefix, double sphereRadius)
{
    return prefix + services::DecimalText(sphereRadius) + QStringLiteral("米部分无效!");
}

} // namespace rods

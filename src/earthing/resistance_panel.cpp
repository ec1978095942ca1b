// Reads an earthing panel's boxes and selectors, computes its resistance and shows it or the box at fault.
#include "earthing/resistance_panel.h"

#include "earthing/equivalent_diameter.h"
#include "earthing/resistance.h"
#include "earthing/selectors.h"
#include "services/button_arrays.h"
#include "services/earthing_fields.h"
#include "services/form.h"
#include "services/input_checks.h"
#include "services/input_checks_rules.h"
#include "services/number_format.h"
#include "services/numeric_text.h"

#include <QLabel>

#include <optional>

namespace earthing {

namespace {

const QString kSteelBoxes = QStringLiteral("txtType");

} // namespace

ResistancePanel::ResistancePanel(services::Form& form, QObject* parent) : QObject(parent), m_form(form)
{
    services::connectClicks(form, QStringLiteral("cmdResistance"), this, [this](int index) { cmdResistance_Click(index); });
}

bool ResistancePanel::GetEquivalentDiameter(double& d)
{
    const int t = chosenElement(m_form.controls(), QStringLiteral("imgType"));
    if (t < 0 || t > 3)
        return false;
    const auto section = static_cast<SteelSection>(t);
    services::checks::Rules rules(m_form);
    double sizes[2] = {0, 0};
    for (int n = 0; n < sizeBoxCount(section); ++n) {
        const SizeBox b = sizeBox(section, n);
        if (!rules.positive(kSteelBoxes, b.index, QString::fromUtf8(b.message)))
            return false;
        sizes[n] = rules.value(kSteelBoxes, b.index);
    }
    const EquivalentDiameter e = equivalentDiameter(section, sizes[0], sizes[1]);
    if (e.faultBox) {
        const SizeBox b = sizeBox(section, *e.faultBox - sizeBox(section, 0).index);
        return rules.fail(kSteelBoxes, b.index, QString::fromUtf8(b.message));
    }
    d = e.metres;
    return true;
}

void ResistancePanel::cmdResistance_Click(int index)
{
    const services::ControlRegistry& c = m_form.controls();
    services::checks::Rules rules(m_form);
    const services::FieldTable<EarthingField>& fields = services::earthingFields(index);
    const auto read = [&](EarthingField field) { return rules.value(fields[field]); };
    using F = EarthingField;

    Resistance r;
    double d = 0;
    switch (index) {
    case 0: {
        if (!services::CheckVerticalInput(m_form))
            return;
        const double rho = read(F::Resistivity), length = read(F::Length);
        if (!GetEquivalentDiameter(d))
            return;
        r = verticalResistance(rho, length, d);
        break;
    }
    case 1: {
        if (!services::CheckHorizontalInput(m_form))
            return;
        const double rho = read(F::Resistivity), length = read(F::Length), depth = read(F::Depth);
        if (!GetEquivalentDiameter(d))
            return;
        // The chosen shape's caption is its coefficient A.
        const int shape = chosenElement(c, QStringLiteral("imgShape"));
        const QLabel* caption = c.label(QStringLiteral("lblSHape"), shape);
        const double a = caption ? services::Val(caption->text()) : 0;
        r = horizontalResistance(rho, length, depth, d, a);
        break;
    }
    case 2: {
        if (!services::CheckGridInput(m_form))
            return;
        const double rho = read(F::Resistivity), area = read(F::Area), depth = read(F::Depth),
                     perimeter = read(F::Perimeter), length = read(F::Length);
        if (!GetEquivalentDiameter(d))
            return;
        r = gridResistance(rho, area, depth, perimeter, length, d);
        break;
    }
    case 3: {
        if (!services::CheckSupportInput(m_form))
            return;
        const double rho = read(F::Resistivity), depth = read(F::Depth), l1 = read(F::L1), l2 = read(F::L2);
        if (!GetEquivalentDiameter(d))
            return;
        const int arrangement = chosenElement(c, QStringLiteral("picShape"));
        if (arrangement < 0 || arrangement > 2)
            return;
        r = towerResistance(static_cast<TowerArrangement>(arrangement), rho, depth, l1, l2, d);
        break;
    }
    default:
        return;
    }

    if (r.fault) {
        if (*r.fault != EarthingField::Diameter) {
            rules.fail(fields[*r.fault]);
            return;
        }
        // The chosen steel's size box, read again as GetEquivalentDiameter read it.
        const auto section = static_cast<SteelSection>(chosenElement(c, QStringLiteral("imgType")));
        const SizeBox first = sizeBox(section, 0);
        const double a = rules.value(kSteelBoxes, first.index);
        const double bSize = sizeBoxCount(section) > 1 ? rules.value(kSteelBoxes, sizeBox(section, 1).index) : 0;
        const int faulty = diameterBox(section, a, bSize);
        rules.fail(kSteelBoxes, faulty, QString::fromUtf8(sizeBox(section, faulty - first.index).message));
        return;
    }
    m_form.ShowMsg(QString::fromUtf8(resistanceLabel(index)) + services::FormatFixed3(r.ohms)
                   + QString::fromUtf8(kOhm));
}

} // namespace earthing

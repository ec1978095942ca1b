// Reads an earthing panel's boxes and selectors, computes its resistance and shows it or the box at fault.
#include "earthing/resistance_panel.h"

#include "earthing/equivalent_diameter.h"
#include "earthing/resistance.h"
#include "earthing/selectors.h"
#include "services/button_arrays.h"
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

struct Box {
    QString name;
    std::optional<int> index;
    QString message;
};

Box box(const char* name, std::optional<int> index, const char* message)
{
    return {QString::fromUtf8(name), index, QString::fromUtf8(message)};
}

// The boxes behind the formulas' inputs, panel by panel (Diameter is resolved by the caller).
Box resistivityBox(int panel)
{
    static const char* const names[4] = {"txtVerticality", "txtHorizontal", "txtGird", "txtSupport"};
    return box(names[panel], 0, "土壤电阻率数值无效!");
}

Box boxOf(int panel, EarthingField field)
{
    using F = EarthingField;
    if (field == F::Resistivity)
        return resistivityBox(panel);
    switch (panel) {
    case 0:
        return box("txtVerticality", 1, "垂直接地极长度数值无效!");
    case 1:
        if (field == F::Depth)
            return box("txtHorizontal", 2, "接地极埋深数值无效!");
        return box("txtHorizontal", 1, "水平接地极总长数值无效!");
    case 2:
        switch (field) {
        case F::Area: return box("txtGird", 1, "接地网总面积S数值无效!");
        case F::Depth: return box("txtGird", 2, "接地极埋深h数值无效!");
        case F::Perimeter: return box("txtGird", 3, "外缘边线总长Lo数值无效!");
        default: return box("txtGird", 4, "水平接地极总长L数值无效!");
        }
    default:
        switch (field) {
        case F::L1: return box("txtL1", std::nullopt, "L1长度数值无效!");
        case F::L2: return box("txtL2", std::nullopt, "L2长度数值无效!");
        default: return box("txtSupport", 1, "接地极埋深数值无效!");
        }
    }
}

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
    const auto read = [&](const char* name, std::optional<int> i) { return rules.value(QString::fromUtf8(name), i); };

    Resistance r;
    double d = 0;
    switch (index) {
    case 0: {
        if (!services::CheckVerticalInput(m_form))
            return;
        const double rho = read("txtVerticality", 0), length = read("txtVerticality", 1);
        if (!GetEquivalentDiameter(d))
            return;
        r = verticalResistance(rho, length, d);
        break;
    }
    case 1: {
        if (!services::CheckHorizontalInput(m_form))
            return;
        const double rho = read("txtHorizontal", 0), length = read("txtHorizontal", 1),
                     depth = read("txtHorizontal", 2);
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
        const double rho = read("txtGird", 0), area = read("txtGird", 1), depth = read("txtGird", 2),
                     perimeter = read("txtGird", 3), length = read("txtGird", 4);
        if (!GetEquivalentDiameter(d))
            return;
        r = gridResistance(rho, area, depth, perimeter, length, d);
        break;
    }
    case 3: {
        if (!services::CheckSupportInput(m_form))
            return;
        const double rho = read("txtSupport", 0), depth = read("txtSupport", 1), l1 = read("txtL1", std::nullopt),
                     l2 = read("txtL2", std::nullopt);
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
        Box b;
        if (*r.fault == EarthingField::Diameter) {
            // The chosen steel's size box, read again as GetEquivalentDiameter read it.
            const auto section = static_cast<SteelSection>(chosenElement(c, QStringLiteral("imgType")));
            const SizeBox first = sizeBox(section, 0);
            const double a = rules.value(kSteelBoxes, first.index);
            const double bSize = sizeBoxCount(section) > 1 ? rules.value(kSteelBoxes, sizeBox(section, 1).index) : 0;
            const int faulty = diameterBox(section, a, bSize);
            b = {kSteelBoxes, faulty, QString::fromUtf8(sizeBox(section, faulty - first.index).message)};
        } else {
            b = boxOf(index, *r.fault);
        }
        rules.fail(b.name, b.index, b.message);
        return;
    }
    m_form.ShowMsg(QString::fromUtf8(resistanceLabel(index)) + services::FormatFixed3(r.ohms)
                   + QString::fromUtf8(kOhm));
}

} // namespace earthing

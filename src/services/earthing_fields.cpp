// The boxes of the four earthing panels, written once for their input checks and their calculation.
#include "services/earthing_fields.h"

#include "services/input_checks_rules.h"

namespace services {

namespace {

using F = EarthingField;

PanelField resistivity(const char* name) { return {QString::fromLatin1(name), 0, checks::resistivityMessage()}; }

// The horizontal and the tower panels name their burial depth alike (the grid's adds "h").
const QString kDepthMessage = QStringLiteral("接地极埋深数值无效!");

} // namespace

const FieldTable<EarthingField>& earthingFields(int panel)
{
    static const FieldTable<EarthingField> vertical{
        {F::Resistivity, resistivity("txtVerticality")},
        {F::Length, {QStringLiteral("txtVerticality"), 1, QStringLiteral("垂直接地极长度数值无效!")}},
    };
    static const FieldTable<EarthingField> horizontal{
        {F::Resistivity, resistivity("txtHorizontal")},
        {F::Length, {QStringLiteral("txtHorizontal"), 1, QStringLiteral("水平接地极总长数值无效!")}},
        {F::Depth, {QStringLiteral("txtHorizontal"), 2, kDepthMessage}},
    };
    static const FieldTable<EarthingField> grid{
        {F::Resistivity, resistivity("txtGird")},
        {F::Area, {QStringLiteral("txtGird"), 1, QStringLiteral("接地网总面积S数值无效!")}},
        {F::Depth, {QStringLiteral("txtGird"), 2, QStringLiteral("接地极埋深h数值无效!")}},
        {F::Perimeter, {QStringLiteral("txtGird"), 3, QStringLiteral("外缘边线总长Lo数值无效!")}},
        {F::Length, {QStringLiteral("txtGird"), 4, QStringLiteral("水平接地极总长L数值无效!")}},
    };
    static const FieldTable<EarthingField> tower{
        {F::Resistivity, resistivity("txtSupport")},
        {F::Depth, {QStringLiteral("txtSupport"), 1, kDepthMessage}},
        {F::L1, {QStringLiteral("txtL1"), std::nullopt, QStringLiteral("L1长度数值无效!")}},
        {F::L2, {QStringLiteral("txtL2"), std::nullopt, QStringLiteral("L2长度数值无效!")}},
    };
    static const FieldTable<EarthingField> none{};
    switch (panel) {
    case 0: return vertical;
    case 1: return horizontal;
    case 2: return grid;
    case 3: return tower;
    default: return none;
    }
}

bool zeroAllowed(EarthingField field)
{
    return field == F::Resistivity || field == F::L1 || field == F::L2;
}

} // namespace services

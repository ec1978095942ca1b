// The boxes of the four overhead-wire panels, written once for their input checks and their computation.
#include "services/wire_fields.h"

#include "services/input_checks_rules.h"

namespace services {

namespace {

PanelField box(const char* name, int index, const QString& message = {})
{
    return {QString::fromLatin1(name), index, message};
}

PanelField classCombo(int index) { return box("comClass", index); }

} // namespace

const FieldTable<OneStripBox>& typedOneStripBoxes()
{
    using B = OneStripBox;
    static const FieldTable<B> table{
        {B::Height, box("txtOneStripIn", 0, checks::wireHeightMessage())},
        {B::Length, box("txtOneStripIn", 1, checks::wireLengthMessage())},
        {B::Sag, box("txtOneStripIn", 2, checks::sagMessage())},
        {B::Target, box("txtOneStripIn", 3, checks::targetHeightMessage())},
        {B::Scale, box("txtOneStripIn", 4, checks::scaleMessage())},
        {B::Class, classCombo(5)},
        {B::TargetWidth, box("txtOneStripOut", 0)},
        {B::GroundWidth, box("txtOneStripOut", 1)},
        {B::ZoneTop, box("txtOneStripOut", 2)},
    };
    return table;
}

const FieldTable<OneStripBox>& pickedOneStripBoxes()
{
    using B = OneStripBox;
    static const FieldTable<B> table{
        {B::Height, box("txtOneStripPickedIn", 0, checks::wireHeightMessage())},
        {B::Sag, box("txtOneStripPickedIn", 1, checks::sagMessage())},
        {B::Target, box("txtOneStripPickedIn", 2, checks::targetHeightMessage())},
        {B::Scale, box("txtOneStripPickedIn", 3, checks::scaleMessage())},
        {B::Class, classCombo(9)},
        {B::TargetWidth, box("txtOneStripPickedOut", 0)},
        {B::GroundWidth, box("txtOneStripPickedOut", 1)},
        {B::ZoneTop, box("txtOneStripPickedOut", 2)},
    };
    return table;
}

const FieldTable<TwoWireBox>& typedTwoWireBoxes()
{
    using B = TwoWireBox;
    static const FieldTable<B> table{
        {B::Height, box("txtTwoStripIn", 0, checks::wireHeightMessage())},
        {B::Length, box("txtTwoStripIn", 1, checks::wireLengthMessage())},
        {B::Sag, box("txtTwoStripIn", 2, checks::sagMessage())},
        {B::Spacing, box("txtTwoStripIn", 3, QStringLiteral("避雷线间距数值无效!"))},
        {B::Target, box("txtTwoStripIn", 4, checks::targetHeightMessage())},
        {B::Scale, box("txtTwoStripIn", 5, checks::scaleMessage())},
        {B::Class, classCombo(6)},
        {B::TargetHalfWidth, box("txtTwoStripOut", 0)},
        {B::GroundHalfWidth, box("txtTwoStripOut", 1)},
        {B::LowestHeight, box("txtTwoStripOut", 2)},
        {B::MidlineShift, box("txtTwoStripOut", 3)},
        {B::MinHalfWidth, box("txtTwoStripOut", 4)},
    };
    return table;
}

const FieldTable<TwoWireBox>& pickedTwoWireBoxes()
{
    using B = TwoWireBox;
    static const FieldTable<B> table{
        {B::Height, box("txtTwoStripPickedIn", 0, checks::wireHeightMessage())},
        {B::Sag, box("txtTwoStripPickedIn", 1, checks::sagMessage())},
        {B::Target, box("txtTwoStripPickedIn", 2, checks::targetHeightMessage())},
        {B::Scale, box("txtTwoStripPickedIn", 3, checks::scaleMessage())},
        {B::Class, classCombo(10)},
        {B::TargetHalfWidth, box("txtTwoStripPickedOut", 0)},
        {B::GroundHalfWidth, box("txtTwoStripPickedOut", 1)},
        {B::LowestHeight, box("txtTwoStripPickedOut", 2)},
        {B::MidlineShift, box("txtTwoStripPickedOut", 3)},
        {B::MinHalfWidth, box("txtTwoStripPickedOut", 4)},
    };
    return table;
}

const FieldTable<DrawingTick>& pickedOneStripTicks()
{
    static const FieldTable<DrawingTick> table = drawingTicks(QStringLiteral("chkOneStripPickedIn"));
    return table;
}

const FieldTable<DrawingTick>& pickedTwoWireTicks()
{
    static const FieldTable<DrawingTick> table = drawingTicks(QStringLiteral("chkTwoStripPickedIn"));
    return table;
}

} // namespace services

// The union outlines of four rods on a rectangle, built from the side pairs' filed arcs.
#include "rods/four_rod_union_outlines.h"

#include "platform/automation/errors_resumed.h"
#include "rods/union_outline_drawing.h"
#include "services/colours.h"
#include "services/form.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace rods {

namespace {

using C = CrossingChoice;

template <typename Slots>
services::EntityHandle entry(const Slots& list, int index)
{
    return list.at(index); // fixed indexes inside the slots
}

template <typename Slots>
void showEntry(UnionOutline& o, const Slots& list, int index)
{
    if (auto e = o.entityOf(entry(list, index)))
        automation::resume(o.err(), [&] { e->setVisible(true); });
}

template <typename Slots>
void eraseEntry(UnionOutline& o, const Slots& list, int index)
{
    o.erase(o.entityOf(entry(list, index)));
}

// The outline round four circles about rods 1 .. 4 (rod order): per corner the outer arc, round the
// outside between its sides' outer crossings, then the inner arc facing the unprotected centre between
// their inner crossings.
std::array<std::optional<OutlineArc>, 8> cornerArcs(const std::array<std::optional<HelperCircle>, 4>& circle)
{
    const Crossings bottom = circleCrossings(circle[0], circle[1]);
    const Crossings left = circleCrossings(circle[0], circle[2]);
    const Crossings right = circleCrossings(circle[1], circle[3]);
    const Crossings top = circleCrossings(circle[2], circle[3]);
    return {
        arcBetween(circle[0], chooseCrossing(left, C::SmallerX), chooseCrossing(bottom, C::SmallerY)),
        arcBetween(circle[0], chooseCrossing(bottom, C::LargerY), chooseCrossing(left, C::LargerX)),
        arcBetween(circle[1], chooseCrossing(bottom, C::SmallerY), chooseCrossing(right, C::LargerX)),
        arcBetween(circle[1], chooseCrossing(right, C::SmallerX), chooseCrossing(bottom, C::LargerY)),
        arcBetween(circle[2], chooseCrossing(top, C::LargerY), chooseCrossing(left, C::SmallerX)),
        arcBetween(circle[2], chooseCrossing(left, C::LargerX), chooseCrossing(top, C::SmallerY)),
        arcBetween(circle[3], chooseCrossing(right, C::LargerX), chooseCrossing(top, C::LargerY)),
        arcBetween(circle[3], chooseCrossing(top, C::SmallerY), chooseCrossing(right, C::SmallerX)),
    };
}

} // namespace

void DrawFourRodGroundUnion(services::Form& form)
{
    services::FormState& st = form.state();
    UnionOutline o(st, services::kColorGround);
    auto& shortSides = st.m_quadGroundHandles[0];
    auto& longSides = st.m_quadGroundHandles[1];
    shortSides.swapEntries(1, 2); // filed rod 1, rod 3, rod 2, rod 4: now in rod order

    std::array<std::optional<HelperCircle>, 4> circle;
    for (int i = 0; i < 4; ++i)
        circle[i] = o.filedCircle(entry(shortSides, i));
    for (const auto& arc : cornerArcs(circle))
        o.place(o.draw(arc));

    for (int i = 0; i < 4; ++i) {
        eraseEntry(o, shortSides, i);
        eraseEntry(o, longSides, i);
    }
}

void DrawFourRodTargetUnion(services::Form& form)
{
    services::FormState& st = form.state();
    UnionOutline o(st, services::kColorTarget);
    auto& shortSides = st.m_quadTargetHandles[0];
    auto& longSides = st.m_quadTargetHandles[1];
    // Filed per pair (rod 1 -> rod 3, then rod 2 -> rod 4); reordered per rod: each rx arc followed by the
    // two waist arcs filed with it, as the long-side list already is.
    shortSides.swapEntries(3, 6);
    shortSides.swapEntries(4, 7);
    shortSides.swapEntries(5, 8);

    enum Waist { ALeft, ARight, BLeft, BRight, CLeft, CRight, DLeft, DRight };
    const std::optional<HelperCircle> waist[] = {
        o.filedCircle(entry(shortSides, 1)), o.filedCircle(entry(shortSides, 2)),
        o.filedCircle(entry(shortSides, 10)), o.filedCircle(entry(shortSides, 11)),
        o.filedCircle(entry(longSides, 1)), o.filedCircle(entry(longSides, 2)),
        o.filedCircle(entry(longSides, 10)), o.filedCircle(entry(longSides, 11)),
    };
    // At ground level (hx 0) rx equals r0 and no waist arc has a radius: the zone is the ground one,
    // outlined from the rx circles as the ground outline is from the ground circles.
    const bool atGround = std::none_of(std::begin(waist), std::end(waist), [](const auto& c) { return c.has_value(); });
    // Otherwise the rx circles a hair larger than the arcs, so each cuts the waist circles it touches;
    // the hair grows with the drawing, so the ends found are those of 1:500 scaled.
    std::array<std::optional<HelperCircle>, 4> rx;
    for (int r = 0; r < 4; ++r)
        rx[r] = o.filedCircle(entry(shortSides, 3 * r), atGround ? 0.0 : o.margin());
    // Per rod its waist circles s1 .. s4: the outer arc runs s1 -> s4 round the corner, the inner one
    // s3 -> s2 facing the centre.
    const std::array<std::array<Waist, 4>, 4> touching = {{
        {ALeft, ARight, CLeft, CRight},
        {CRight, CLeft, BLeft, BRight},
        {DLeft, DRight, ARight, ALeft},
        {BRight, BLeft, DRight, DLeft},
    }};
    if (atGround) {
        for (const auto& arc : cornerArcs(rx))
            o.place(o.draw(arc));
    }
    for (int r = 0; !atGround && r < 4; ++r) {
        std::array<std::optional<cad::Point>, 4> s;
        for (int j = 0; j < 4; ++j)
            s[j] = chooseCrossing(circleCrossings(rx[r], waist[touching[r][j]]), C::First);
        o.place(o.draw(arcBetween(rx[r], s[0], s[3], -o.margin())));
        o.place(o.draw(arcBetween(rx[r], s[2], s[1], -o.margin())));
    }
    o.updateDisplay();

    for (int i = 0; i < 12; ++i) {
        showEntry(o, shortSides, i);
        showEntry(o, longSides, i);
    }
    for (int i = 0; i < 12; i += 3) {
        eraseEntry(o, shortSides, i);
        eraseEntry(o, longSides, i);
    }
    // A group whose zones meet drew each waist arc twice: the second copies go.
    if (st.m_quadTargetMeet[0])
        for (int i : {7, 8, 10, 11})
            eraseEntry(o, shortSides, i);
    if (st.m_quadTargetMeet[1])
        for (int i : {4, 5, 10, 11})
            eraseEntry(o, longSides, i);
}

} // namespace rods

// The two-wire plan geometry in its local frame: worked values, the choice of outline at its bounds, and
// outlines that stay closed and never cross themselves for short wires.
#include "wires/two_wire_plans.h"
#include "wires/two_wire_target_outlines.h"
#include "wires/two_wire_zone.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using geometry::FrameItem;
using geometry::FrameItems;
using geometry::FramePoint;
using namespace wires;

TwoWireValues valuesOf(double hr, double height, double spacing, double length, double target)
{
    const TwoWireZone z = TwoWireZoneOf(height, target, spacing, hr);
    EXPECT_EQ(z.stop, TwoWireStop::None);
    return {hr, height, target, z.groundHalfWidth, z.targetHalfWidth, z.lowestHeight, z.endReach, spacing, length};
}

// Where an arc really starts or ends: on its circle in the direction of the given point.
FramePoint onCircle(const geometry::FrameArc& a, FramePoint p)
{
    const double dx = p.x - a.centre.x, dy = p.y - a.centre.y;
    const double len = std::hypot(dx, dy);
    return {a.centre.x + a.radius * dx / len, a.centre.y + a.radius * dy / len};
}
FramePoint startOf(const FrameItem& i) { return i.kind == FrameItem::Kind::Arc ? onCircle(i.arc, i.arc.from) : i.line.from; }
FramePoint endOf(const FrameItem& i) { return i.kind == FrameItem::Kind::Arc ? onCircle(i.arc, i.arc.to) : i.line.to; }

// Every end of every entity meets an end of another: the outline is closed.
void expectClosed(const FrameItems& items)
{
    std::vector<FramePoint> ends;
    for (const FrameItem& i : items) {
        ends.push_back(startOf(i));
        ends.push_back(endOf(i));
    }
    for (std::size_t a = 0; a < ends.size(); ++a) {
        int meets = 0;
        for (std::size_t b = 0; b < ends.size(); ++b)
            if (a / 2 != b / 2 && std::hypot(ends[a].x - ends[b].x, ends[a].y - ends[b].y) < 1e-9)
                ++meets;
        EXPECT_EQ(meets, 1) << "end " << a << " at (" << ends[a].x << ", " << ends[a].y << ")";
    }
}

void expectPoint(FramePoint p, double x, double y, double tol = 0.005)
{
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

TEST(TwoWirePlans, GroundPlanIsClosedForLowAndHighWires)
{
    for (const double height : {20.0, 30.0, 44.0}) {
        SCOPED_TRACE(height);
        const TwoWireValues v = valuesOf(30, height, 12, 35, 12);
        const FrameItems items = TwoWireGroundPlan(v);
        ASSERT_EQ(items.size(), 6u);
        expectClosed(items);
        // Low wires: caps of radius bo, edges level with the ends; high wires: radius Hr, edges run on by e.
        const double e = height <= 30 ? 0.0 : std::sqrt(900 - v.groundHalfWidth * v.groundHalfWidth);
        EXPECT_NEAR(items[0].arc.radius, height <= 30 ? v.groundHalfWidth : 30.0, 1e-12);
        expectPoint(items[4].line.from, -v.groundHalfWidth, -e, 1e-12);
        expectPoint(items[5].line.to, 12 + v.groundHalfWidth, 35 + e, 1e-12);
    }
}

TEST(TwoWirePlans, TargetQuantitiesAndChoice)
{
    struct Row {
        double hr, height, spacing, target;
        double c, p, q, r, e, t;
        TargetOutline outline;
    };
    const Row rows[] = {
        {45, 44, 12, 12, 14.406, 14.274, 1.921, 14.395, 0, 44, TargetOutline::Enclosing},
        {30, 44, 12, 12, 6, 5.879, 1.2, 6, 5.439, 16, TargetOutline::Enclosing},
        {30, 44, 12, 20, 1.716, 1.681, 0.343, 1.716, 0, 16, TargetOutline::Joined},
        // h' = Hr: the low wires' cap radius bx and no end offset.
        {30, 30, 10, 12, 6, 5.916, 1, 6, 0, 30, TargetOutline::Enclosing},
        // Above h0 (12.681) the band between the wires is unprotected, even below t.
        {30, 35, 58, 20, 1.716, 0.439, 1.659, 1.716, 1.124, 25, TargetOutline::Separate},
        {30, 35, 58, 12, 6, 1.536, 5.8, 6, 2.204, 25, TargetOutline::Enclosing},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "Hr " << r.hr << " h' " << r.height << " D " << r.spacing << " hx " << r.target);
        const TwoWireValues v = valuesOf(r.hr, r.height, r.spacing, 35, r.target);
        const TargetQuantities q = TargetQuantitiesOf(v);
        EXPECT_NEAR(q.setback, r.c, 0.0006);
        EXPECT_NEAR(q.capDepth, r.p, 0.0006);
        EXPECT_NEAR(q.capReach, r.q, 0.0006);
        EXPECT_NEAR(q.capRadius, r.r, 0.0006);
        EXPECT_NEAR(q.endOffset, r.e, 0.0006);
        EXPECT_NEAR(q.threshold, r.t, 1e-9);
        EXPECT_EQ(ChooseTargetOutline(v, q), r.outline);
    }
}

TEST(TwoWirePlans, ChoiceAtItsBounds)
{
    const auto at = [](double hr, double height, double spacing, auto target) {
        TwoWireValues v = valuesOf(hr, height, spacing, 35, 12);
        v.targetHeight = target(v);
        return ChooseTargetOutline(v, TargetQuantitiesOf(v));
    };
    const auto h0 = [](const TwoWireValues& v) { return v.lowestHeight; };
    const auto aboveH0 = [](const TwoWireValues& v) { return std::nextafter(v.lowestHeight, 100.0); };
    const auto belowH0 = [](const TwoWireValues& v) { return std::nextafter(v.lowestHeight, 0.0); };
    // h' > Hr (t = 16, h0 = 43.394): both bounds of t <= hx <= h0 draw the joined outline.
    EXPECT_EQ(at(30, 44, 12, [](const TwoWireValues&) { return 16.0; }), TargetOutline::Joined);
    EXPECT_EQ(at(30, 44, 12, [](const TwoWireValues&) { return 15.999; }), TargetOutline::Enclosing);
    EXPECT_EQ(at(30, 44, 12, h0), TargetOutline::Joined);
    EXPECT_EQ(at(30, 44, 12, aboveH0), TargetOutline::Separate);
    // h' <= Hr: below h0 enclosing; at h0 the separate outlines, which then have nothing to draw.
    EXPECT_EQ(at(30, 20, 10, belowH0), TargetOutline::Enclosing);
    EXPECT_EQ(at(30, 20, 10, h0), TargetOutline::Separate);
    EXPECT_EQ(at(30, 30, 10, belowH0), TargetOutline::Enclosing);
    EXPECT_EQ(at(30, 30, 10, h0), TargetOutline::Separate);
}

TEST(TwoWirePlans, EnclosingOutlineIsClosed)
{
    for (const double height : {44.0, 30.0, 20.0}) {
        SCOPED_TRACE(height);
        const TwoWireValues v = valuesOf(height == 44.0 ? 45 : 30, height, 12, 35, 12);
        const FrameItems items = EnclosingOutline(v, TargetQuantitiesOf(v));
        ASSERT_EQ(items.size(), 8u);
        expectClosed(items);
    }
    // Class 2 just below h0 with short wires: the mid-line arcs (radius 44.975, am 44.587) would cross;
    // each is cut in two where they meet on the mid-line.
    const TwoWireValues v = valuesOf(45, 44, 12, 0.5, 43.5);
    const FrameItems items = EnclosingOutline(v, TargetQuantitiesOf(v));
    ASSERT_EQ(items.size(), 10u);
    expectClosed(items);
    EXPECT_NEAR(startOf(items[5]).y, 0.25, 1e-9);
}

TEST(TwoWirePlans, JoinedOutlineWorkedValues)
{
    const TwoWireValues v = valuesOf(30, 50, 50, 35, 20);
    const auto out = JoinedOutline(v, TargetQuantitiesOf(v));
    ASSERT_FALSE(out.undefined);
    ASSERT_EQ(out.items.size(), 4u);
    const FrameItem &a1 = out.items[0], &a2 = out.items[1], &s1 = out.items[2], &s2 = out.items[3];
    EXPECT_NEAR(a1.arc.radius, 28.28, 0.005);
    expectPoint(a1.arc.from, 44.08, 4.30);  // K2
    expectPoint(a1.arc.to, 5.92, 4.30);     // K1
    expectPoint(a2.arc.from, 5.92, 30.70);  // K4
    expectPoint(a2.arc.to, 44.08, 30.70);   // K3
    expectPoint(s1.line.from, 5.92, 4.30);
    expectPoint(s1.line.to, 5.92, 30.70);
    expectPoint(s2.line.from, 44.08, 4.30);
    expectPoint(s2.line.to, 44.08, 30.70);
    // The arcs bulge inwards: their tops on the mid-line.
    EXPECT_NEAR(a1.arc.centre.y + a1.arc.radius, 11.70, 0.005);
    EXPECT_NEAR(a2.arc.centre.y - a2.arc.radius, 23.30, 0.005);
    expectClosed(out.items);
}

TEST(TwoWirePlans, ShortWiresNeverCrossTheirOwnOutline)
{
    // Hr 30, h' 50, D 50, hx 20: radius 28.28, am 16.58; the arcs cross on the mid-line for L below 23.41
    // (two regions remain beside it), and along the sides too for L below 8.60 (nothing remains).
    struct Row {
        double length;
        std::size_t items; // arcs and sides
        std::size_t sides;
    };
    const Row rows[] = {{35, 4, 2}, {20, 6, 2}, {8, 0, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.length);
        const TwoWireValues v = valuesOf(30, 50, 50, r.length, 20);
        const auto out = JoinedOutline(v, TargetQuantitiesOf(v));
        EXPECT_FALSE(out.undefined);
        ASSERT_EQ(out.items.size(), r.items);
        std::size_t sides = 0;
        for (const FrameItem& i : out.items) {
            if (i.kind == FrameItem::Kind::Line) {
                ++sides;
                EXPECT_LT(i.line.from.y, i.line.to.y); // a side never runs backwards
            }
        }
        EXPECT_EQ(sides, r.sides);
        if (!out.items.empty())
            expectClosed(out.items);
    }
}

TEST(TwoWirePlans, SidesThatMissTheirCirclesDrawNothing)
{
    // hx = t = 10 with D 50: the sides at x = −bx lie beyond the circles of radius b(hx).
    const TwoWireValues v = valuesOf(30, 50, 50, 35, 10);
    const TargetQuantities q = TargetQuantitiesOf(v);
    ASSERT_EQ(ChooseTargetOutline(v, q), TargetOutline::Joined);
    const auto out = JoinedOutline(v, q);
    EXPECT_TRUE(out.undefined);
    EXPECT_TRUE(out.items.empty());
    // Low wires far apart, well above h0 (the example of a wide spacing): the outer sides miss too.
    const TwoWireValues w = valuesOf(30, 20, 55, 35, 5);
    ASSERT_LT(w.lowestHeight, 5.0);
    const auto sep = SeparateOutlines(w, TargetQuantitiesOf(w));
    EXPECT_TRUE(sep.undefined);
    EXPECT_TRUE(sep.items.empty());
}

TEST(TwoWirePlans, SeparateOutlinesOfLowWires)
{
    // Hr 30, h' 20, D 10: h0 = 19.580; at hx 19.7 the band about the mid-line is 2w wide.
    const TwoWireValues v = valuesOf(30, 20, 10, 35, 19.7);
    const TargetQuantities q = TargetQuantitiesOf(v);
    ASSERT_EQ(ChooseTargetOutline(v, q), TargetOutline::Separate);
    const double w = GapHalfWidth(v);
    const auto out = SeparateOutlines(v, q);
    ASSERT_FALSE(out.undefined);
    ASSERT_EQ(out.items.size(), 8u);
    expectClosed(out.items);
    // A1 runs from the band's edge to the outer side, A2 from the outer side to the band's edge.
    EXPECT_NEAR(out.items[0].arc.from.x, 5 - w, 1e-12);
    EXPECT_NEAR(out.items[0].arc.to.x, -v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out.items[1].arc.from.x, 10 + v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out.items[1].arc.to.x, 5 + w, 1e-12);
    // S1 outer left, S2 outer right, S3 and S4 the band's edges.
    EXPECT_NEAR(out.items[4].line.from.x, -v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out.items[5].line.from.x, 10 + v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out.items[6].line.from.x, 5 - w, 1e-12);
    EXPECT_NEAR(out.items[7].line.from.x, 5 + w, 1e-12);
}

TEST(TwoWirePlans, SeparateOutlinesBelowTheThresholdKeepTheCaps)
{
    // Hr 30, h' 35, D 58, hx 20: h0 12.681 < hx < t 25. Each region keeps the cap about its wire's end
    // and ends at the band's edge x = 29 − 19.636 on the sphere standing beyond the end.
    const TwoWireValues v = valuesOf(30, 35, 58, 35, 20);
    const TargetQuantities q = TargetQuantitiesOf(v);
    const auto out = SeparateOutlines(v, q);
    ASSERT_FALSE(out.undefined);
    ASSERT_EQ(out.items.size(), 12u);
    expectClosed(out.items);
    const double inner = 29 - GapHalfWidth(v);
    EXPECT_NEAR(inner, 9.364, 0.0005);
    // The left outer side runs from −e to L + e at x = −bx; the left inner side from the near circle to the far one.
    const FrameItem& outer = out.items[8];
    expectPoint(outer.line.from, -1.296, -1.124);
    expectPoint(outer.line.to, -1.296, 36.124);
    const FrameItem& innerSide = out.items[10];
    expectPoint(innerSide.line.from, 9.364, 12.676);
    expectPoint(innerSide.line.to, 9.364, 22.324);
}

TEST(TwoWirePlans, SeparateOutlinesThatVanish)
{
    // Just below the wires (h' > Hr) the outer side passes the band's edge: nothing is protected at hx.
    const TwoWireValues high = valuesOf(30, 50, 50, 35, 49.9);
    const auto none = SeparateOutlines(high, TargetQuantitiesOf(high));
    EXPECT_FALSE(none.undefined);
    EXPECT_TRUE(none.items.empty());
    // Short low wires: the end arcs pass each other at the band's edges and are cut where they cross.
    const TwoWireValues shortWires = valuesOf(30, 20, 10, 1, 19.7);
    const auto cut = SeparateOutlines(shortWires, TargetQuantitiesOf(shortWires));
    ASSERT_FALSE(cut.items.empty());
    for (const FrameItem& i : cut.items)
        if (i.kind == FrameItem::Kind::Line) {
            EXPECT_LT(i.line.from.y, i.line.to.y);
        }
    expectClosed(cut.items);
}

} // namespace

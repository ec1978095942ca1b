// The two-wire plan geometry in its local frame: worked values, the choice of outline at its bounds, and
// outlines that stay closed and never cross themselves for short wires.
#include "frame_outline_checks.h"

#include "wires/two_wire_plans.h"
#include "wires/two_wire_target_outlines.h"
#include "wires/two_wire_zone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using geometry::FrameItem;
using geometry::FrameItems;
using geometry::FramePoint;
using namespace outlinetest;
using namespace wires;

TwoWireValues valuesOf(double hr, double height, double spacing, double length, double target)
{
    const TwoWireZone z = TwoWireZoneOf(height, target, spacing, hr);
    EXPECT_EQ(z.stop, TwoWireStop::None);
    return {hr, height, target, z.groundHalfWidth, z.targetHalfWidth, z.lowestHeight, z.endReach, spacing, length};
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

// Heights typed in tenths of a metre reach the engine as the binary fractions the boxes give.
double typed(int tenths) { return tenths / 10.0; }

TEST(TwoWirePlans, ATargetTypedAtTheThresholdDrawsTheJoinedOutline)
{
    // Every typed h' = h − f above Hr, with hx typed as 2Hr − h + f: the joined outline, closed. A target
    // typed a millimetre lower draws the enclosing outline, closed, with bx > 0.
    int checked = 0;
    for (const int hr : {30, 45, 60}) {
        for (int h = 10 * hr + 1; h < 20 * hr; h += 3) {
            for (const int sag : {0, 3, 12}) {
                const int target = 20 * hr - (h - sag);
                if (h - sag <= 10 * hr || target < 0)
                    continue;
                const double height = typed(h) - typed(sag);
                // A spacing that lets the zone through with t <= h0: the middle of the allowed range.
                const double bo = std::sqrt(height * (2.0 * hr - height));
                const double k = 3.0 * hr - 2.0 * height;
                const double widest = k <= 0 ? 2.0 * hr : 2.0 * std::sqrt(double(hr) * hr - k * k);
                const double spacing = (2.0 * (hr - bo) + widest) / 2;
                SCOPED_TRACE(testing::Message() << "Hr " << hr << " h " << typed(h) << " f " << typed(sag) << " hx "
                                                << typed(target) << " D " << spacing);
                const TwoWireValues v = valuesOf(hr, height, spacing, 35, typed(target));
                const TargetQuantities q = TargetQuantitiesOf(v);
                ASSERT_EQ(ChooseTargetOutline(v, q), TargetOutline::Joined);
                const FrameItems joined = JoinedOutline(v, q);
                ASSERT_FALSE(joined.empty());
                expectClosed(joined, 1e-7);

                const TwoWireValues lower = valuesOf(hr, height, spacing, 35, typed(target) - 0.001);
                const TargetQuantities ql = TargetQuantitiesOf(lower);
                ASSERT_EQ(ChooseTargetOutline(lower, ql), TargetOutline::Enclosing);
                EXPECT_GT(lower.targetHalfWidth, 0);
                expectClosed(EnclosingOutline(lower, ql), 1e-7);
                ++checked;
                if (testing::Test::HasFailure())
                    return;
            }
        }
    }
    EXPECT_GT(checked, 500);
}

TEST(TwoWirePlans, TheEnclosingOutlineIsNeverChosenWithoutWidthBesideTheWires)
{
    // Targets from t down by single rounding steps, then by growing ones up to a few millimetres (h' > Hr,
    // and h' at or a hair above Hr, where b is flattest): wherever the enclosing outline is chosen bx > 0
    // and the outer lines start on the caps. Wires a millimetre apart have caps and mid-line arcs too
    // small to draw, so only the others are checked for a closed outline.
    struct Row {
        double hr, height, spacing;
        bool drawable;
    };
    const Row rows[] = {{30, 40, 36, true},
                        {30, 30.0000001, 0.001, false},
                        {45, 63.9, 40, true},
                        {60, 119.5, 110, true},
                        {30, 30, 0.001, false}};
    for (const Row& r : rows) {
        const double t = r.hr - std::abs(r.hr - r.height);
        std::vector<double> targets;
        for (double hx = t; targets.size() < 64; hx = std::nextafter(hx, 0.0))
            targets.push_back(hx);
        for (double below = 1e-15; below < 0.005; below *= 1.1)
            targets.push_back(t - below);
        for (const double target : targets) {
            const TwoWireValues v = valuesOf(r.hr, r.height, r.spacing, 35, target);
            const TargetQuantities q = TargetQuantitiesOf(v);
            if (ChooseTargetOutline(v, q) != TargetOutline::Enclosing)
                continue;
            SCOPED_TRACE(testing::Message() << "Hr " << r.hr << " h' " << r.height << " hx " << target);
            ASSERT_GT(v.targetHalfWidth, 0);
            EXPECT_NEAR(std::hypot(v.targetHalfWidth, q.endOffset), q.capRadius, 1e-9);
            if (r.drawable)
                expectClosed(EnclosingOutline(v, q), 1e-7);
        }
    }
}

TEST(TwoWirePlans, WiresAtTheSphereRadiusWithATargetAHairBelowThemProtectNothingWide)
{
    // h' = Hr and hx within 1e-7 of it: bx rounds to 0, and between wires this close (h0 above hx)
    // there is no width to draw.
    const TwoWireValues touching = valuesOf(30, 30, 0, 35, std::nextafter(30.0, 0.0));
    ASSERT_EQ(touching.targetHalfWidth, 0);
    EXPECT_EQ(ChooseTargetOutline(touching, TargetQuantitiesOf(touching)), TargetOutline::Nothing);
    const TwoWireValues close = valuesOf(30, 30, 0.001, 35, 29.9999999);
    ASSERT_EQ(close.targetHalfWidth, 0);
    ASSERT_LT(close.targetHeight, close.lowestHeight);
    EXPECT_EQ(ChooseTargetOutline(close, TargetQuantitiesOf(close)), TargetOutline::Nothing);
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
    const FrameItems out = JoinedOutline(v, TargetQuantitiesOf(v));
    ASSERT_EQ(out.size(), 4u);
    const FrameItem &a1 = out[0], &a2 = out[1], &s1 = out[2], &s2 = out[3];
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
    expectClosed(out);
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
        const FrameItems out = JoinedOutline(v, TargetQuantitiesOf(v));
        ASSERT_EQ(out.size(), r.items);
        std::size_t sides = 0;
        for (const FrameItem& i : out) {
            if (i.kind == FrameItem::Kind::Line) {
                ++sides;
                EXPECT_LT(i.line.from.y, i.line.to.y); // a side never runs backwards
            }
        }
        EXPECT_EQ(sides, r.sides);
        if (!out.empty())
            expectClosed(out);
    }
}

TEST(TwoWirePlans, WhereTheCirclesMissTheSidesTheCapsClose)
{
    // The end circles (radius b(hx)) do not reach the sides at x = −bx: from each side the cap about the
    // wire end runs to where it touches the circle, the circle takes over from there.
    struct Row {
        const char* what;
        double hr, height, spacing, target;
        TargetOutline outline;
        std::size_t items;
        double capRadius;
        FramePoint touch; // where the cap about (0, 0) meets the circle beyond the start
        double sideFromY; // the left side starts there
    };
    const Row rows[] = {
        // bx = 0: the sides on the wires; caps of radius c = 7.639 touch C1 at (q, −p).
        {"joined, hx = t", 30, 50, 50, 10, TargetOutline::Joined, 8, 7.639, {6.366, -4.223}, -7.639},
        // Low wires: caps of radius bx = 11.701 touch C1 at bx/bo of the way to its centre.
        {"separate, wide spacing", 30, 20, 55, 5, TargetOutline::Separate, 12, 11.701, {11.377, -2.736}, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const TwoWireValues v = valuesOf(r.hr, r.height, r.spacing, 35, r.target);
        const TargetQuantities q = TargetQuantitiesOf(v);
        ASSERT_EQ(ChooseTargetOutline(v, q), r.outline);
        const FrameItems out = r.outline == TargetOutline::Joined ? JoinedOutline(v, q) : SeparateOutlines(v, q);
        ASSERT_EQ(out.size(), r.items);
        expectClosed(out);
        const FrameItem& cap = out[0];
        ASSERT_EQ(cap.kind, FrameItem::Kind::Arc);
        expectPoint(cap.arc.centre, 0, 0, 1e-12);
        EXPECT_NEAR(cap.arc.radius, r.capRadius, 0.0005);
        expectPoint(cap.arc.from, -v.targetHalfWidth, r.sideFromY);
        expectPoint(cap.arc.to, r.touch.x, r.touch.y);
        // Cap and circle touch there: the point lies on both.
        EXPECT_NEAR(std::hypot(r.touch.x - r.spacing / 2, r.touch.y + v.endReach), r.hr - q.setback, 0.001);
    }
}

TEST(TwoWirePlans, SeparateOutlinesOfLowWires)
{
    // Hr 30, h' 20, D 10: h0 = 19.580; at hx 19.7 the band about the mid-line is 2w wide.
    const TwoWireValues v = valuesOf(30, 20, 10, 35, 19.7);
    const TargetQuantities q = TargetQuantitiesOf(v);
    ASSERT_EQ(ChooseTargetOutline(v, q), TargetOutline::Separate);
    const double w = GapHalfWidth(v);
    const FrameItems out = SeparateOutlines(v, q);
    ASSERT_EQ(out.size(), 8u);
    expectClosed(out);
    // A1 runs from the band's edge to the outer side, A2 from the outer side to the band's edge.
    EXPECT_NEAR(out[0].arc.from.x, 5 - w, 1e-12);
    EXPECT_NEAR(out[0].arc.to.x, -v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out[1].arc.from.x, 10 + v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out[1].arc.to.x, 5 + w, 1e-12);
    // S1 outer left, S2 outer right, S3 and S4 the band's edges.
    EXPECT_NEAR(out[4].line.from.x, -v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out[5].line.from.x, 10 + v.targetHalfWidth, 1e-12);
    EXPECT_NEAR(out[6].line.from.x, 5 - w, 1e-12);
    EXPECT_NEAR(out[7].line.from.x, 5 + w, 1e-12);
}

TEST(TwoWirePlans, SeparateOutlinesBelowTheThresholdKeepTheCaps)
{
    // Hr 30, h' 35, D 58, hx 20: h0 12.681 < hx < t 25. Each region keeps the cap about its wire's end
    // and ends at the band's edge x = 29 − 19.636 on the sphere standing beyond the end.
    const TwoWireValues v = valuesOf(30, 35, 58, 35, 20);
    const TargetQuantities q = TargetQuantitiesOf(v);
    const FrameItems out = SeparateOutlines(v, q);
    ASSERT_EQ(out.size(), 12u);
    expectClosed(out);
    const double inner = 29 - GapHalfWidth(v);
    EXPECT_NEAR(inner, 9.364, 0.0005);
    // The left outer side runs from −e to L + e at x = −bx; the left inner side from the near circle to the far one.
    const FrameItem& outer = out[8];
    expectPoint(outer.line.from, -1.296, -1.124);
    expectPoint(outer.line.to, -1.296, 36.124);
    const FrameItem& innerSide = out[10];
    expectPoint(innerSide.line.from, 9.364, 12.676);
    expectPoint(innerSide.line.to, 9.364, 22.324);
}

TEST(TwoWirePlans, SeparateOutlinesThatVanish)
{
    // Just below the wires (h' > Hr) the outer side passes the band's edge: nothing is protected at hx.
    const TwoWireValues high = valuesOf(30, 50, 50, 35, 49.9);
    EXPECT_TRUE(SeparateOutlines(high, TargetQuantitiesOf(high)).empty());
    // Short low wires: the end arcs pass each other at the band's edges and are cut where they cross.
    const TwoWireValues shortWires = valuesOf(30, 20, 10, 1, 19.7);
    const FrameItems cut = SeparateOutlines(shortWires, TargetQuantitiesOf(shortWires));
    ASSERT_FALSE(cut.empty());
    for (const FrameItem& i : cut) {
        if (i.kind == FrameItem::Kind::Line) {
            EXPECT_LT(i.line.from.y, i.line.to.y);
        }
    }
    expectClosed(cut);
}

} // namespace

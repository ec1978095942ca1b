// Four-rod section views in their view frames: the diagonal view, both axis views and their cases, the layout.
#include "rods/four_rod_sections.h"
#include "rods/four_rod_values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using geometry::FrameItem;
using geometry::FramePoint;

constexpr double kTol = 0.0006;

rods::FourRodSectionInput sectionOf(double hT, double hx, double a, double b, double hr)
{
    const double h = std::min(hT, hr);
    const auto v = rods::FourRodValuesOf({a, b, h, hx, hr});
    return {hT, h, hx, hr, a, b, v.diagonal, *v.lowestHeight, *v.longAxisReach, *v.shortAxisReach,
            std::round(v.groundHalfWidth * 1000.0) / 1000.0};
}

void expectPoint(const FramePoint& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, kTol);
    EXPECT_NEAR(p.y, y, kTol);
}

std::vector<geometry::FrameArc> arcsOf(const geometry::FrameItems& items)
{
    std::vector<geometry::FrameArc> arcs;
    for (const FrameItem& item : items)
        if (item.kind == FrameItem::Kind::Arc)
            arcs.push_back(item.arc);
    return arcs;
}

TEST(FourRodSections, DefaultViewsAndTheirLayout)
{
    const auto views = rods::FourRodSectionViews(sectionOf(21, 12, 50, 25, 30));
    EXPECT_EQ(views[0].title, QStringLiteral("对角线剖面"));
    EXPECT_EQ(views[1].title, QStringLiteral("长对称轴剖面"));
    EXPECT_EQ(views[2].title, QStringLiteral("短对称轴剖面"));
    // At 1:500 (2 drawing units a metre) the origins lie 270.527 and 229.345 units apart.
    EXPECT_NEAR(views[0].advance * 2 + rods::kFourRodViewGap, 270.527, 0.001);
    EXPECT_NEAR(views[1].advance * 2 + rods::kFourRodViewGap, 229.345, 0.001);

    const auto& diagonal = views[0].items;
    ASSERT_EQ(diagonal.size(), 7u);
    expectPoint(diagonal[1].line.to, 55.9017, 21);
    expectPoint(diagonal[2].arc.centre, -28.618, 30);
    expectPoint(diagonal[2].arc.from, -28.618, 0);
    expectPoint(diagonal[4].arc.centre, 27.951, 31.897);
    EXPECT_EQ(diagonal[4].arc.radius, 30.0);
    expectPoint(diagonal[5].line.from, -28.618, 0);
    expectPoint(diagonal[5].line.to, 84.5197, 0);
    EXPECT_TRUE(diagonal[6].line.groundOrTarget);
    expectPoint(diagonal[6].line.from, -28.618, 12);

    const auto longArcs = arcsOf(views[1].items);
    ASSERT_EQ(longArcs.size(), 3u);
    expectPoint(longArcs[0].centre, -25.744, 30);
    expectPoint(longArcs[0].from, -25.744, 0);
    expectPoint(longArcs[0].to, 0.225, 14.980);   // X1
    expectPoint(longArcs[1].centre, 75.744, 30);
    expectPoint(longArcs[1].from, 49.775, 14.980); // X2
    expectPoint(longArcs[2].centre, 25, 31.897);
    expectPoint(views[1].items.back().line.to, 75.744, 12);

    const auto shortArcs = arcsOf(views[2].items);
    ASSERT_EQ(shortArcs.size(), 3u); // the outer circles cross at 15.804, above h0
    expectPoint(shortArcs[0].to, 1.213, 4.101);
    expectPoint(shortArcs[1].from, 23.787, 4.101);
    expectPoint(shortArcs[2].centre, 12.5, 31.897);
    expectPoint(views[2].items.back().line.from, -13.928, 12);
}

TEST(FourRodSections, ShortAxisTwoArcsOrThree)
{
    struct Case {
        double hT, a, b, hr;
        size_t arcs;
        FramePoint meet; // where the left outer arc ends
    };
    const Case cases[] = {
        {20, 30, 2, 45, 2, {1, 17.064}},      // outer circles cross below h0 = 17.415
        {20, 30, 10, 45, 3, {1.181, 17.293}}, // above h0 = 17.131
        {21, 30, 25, 30, 3, {}},              // outer circles 73.744 apart: they never cross
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.b);
        const auto arcs = arcsOf(rods::FourRodAxisSection(sectionOf(c.hT, 12, c.a, c.b, c.hr), false));
        ASSERT_EQ(arcs.size(), c.arcs);
        if (c.meet.x != 0)
            expectPoint(arcs[0].to, c.meet.x, c.meet.y);
        if (c.arcs == 2)
            expectPoint(arcs[1].from, c.meet.x, c.meet.y);
    }
}

TEST(FourRodSections, RodsTallerThanTheSphere)
{
    const auto in = sectionOf(70, 12, 50, 25, 60);
    const auto diagonal = rods::FourRodDiagonalSection(in);
    expectPoint(diagonal[0].line.to, 0, 70);
    expectPoint(diagonal[2].arc.centre, -60, 60); // quarter circle up to the rod at h = Hr
    expectPoint(diagonal[2].arc.to, 0, 60);
    for (const bool longAxis : {true, false}) {
        const auto items = rods::FourRodAxisSection(in, longAxis);
        expectPoint(items[0].line.to, 0, 70);
        EXPECT_EQ(arcsOf(items).size(), 3u);
    }
}

} // namespace

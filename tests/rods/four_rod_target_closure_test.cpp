// The typed four-rod outline at the target height over a grid of layouts: every figure closes and
// bounds the region protected at hx, or nothing is protected, nothing is drawn and the tip line says so.
#include "four_rod_region.h"
#include "outline_checks.h"
#include "rod_window.h"

#include <string>

namespace {

using namespace rodtest;

class FourRodTargetClosure : public RodWindow {
protected:
    void SetUp() override
    {
        RodWindow::SetUp();
        window->menuCommand(QStringLiteral("mnuFourRod"));
    }
};

struct Layout {
    int cls; // 0, 1, 2: Hr 30, 45, 60
    std::string h, hx, a, b;
    std::string scale = "1:500";
};

std::string decimals(double v) { return QString::number(v, 'f', 3).toStdString(); }

// Rods below, at and above Hr; hx just below the rod height, on both sides of Hr and where rx, barely
// above 0, reads 0.000; long and narrow, nearly square, middling and small rectangles, the first three
// as wide as the rods still protect the centre together, the small one with or without a hole.
std::vector<Layout> grid()
{
    std::vector<Layout> out;
    const double radii[3] = {30, 45, 60};
    for (int cls = 0; cls < 3; ++cls) {
        const double hr = radii[cls];
        for (const double h : {0.5 * hr, hr, 1.5 * hr}) {
            const double top = std::min(h, hr); // taller rods are taken as Hr tall
            const double r0 = std::sqrt(top * (2 * hr - top));
            for (const double hx : {h - 0.001, hr - 0.01, hr + 0.01, hr - 0.15}) {
                if (hx < 0 || hx > h)
                    continue;
                for (const auto& [fa, fb] : {std::pair{1.9, 0.3}, {1.4, 1.3}, {1.0, 0.6}, {0.13, 0.1}})
                    out.push_back({cls, decimals(h), decimals(hx), decimals(fa * r0), decimals(fb * r0)});
            }
        }
    }
    return out;
}

TEST_F(FourRodTargetClosure, EveryOutlineClosesOrNothingIsProtected)
{
    const double radii[3] = {30, 45, 60};
    std::vector<Layout> layouts = {
        // Four zones a millimetre wide about the rods, closed by pieces far shorter than 0.0001 radians.
        {0, "16", "15.999", "33.3", "33.3"},
        // Pieces of a few micrometres by the rods, whose ends the arc routine's directions reverse.
        {1, "24.5", "24.499", "69.5", "6.625", "1:1"},
        {1, "24.5", "24.499", "69.5", "6.625", "1:37"},
        {1, "24.5", "24.499", "69.5", "6.625"},
        {1, "24.5", "24.499", "69.5", "6.625", "1:1000000"},
        {2, "31.596484439794853", "31.591711743669883", "101.97058613647204", "9.6671065185029654", "1:200"},
        // rx reads 0.000 and the centre is protected: the region between the rods, in one piece or,
        // where the long sides' inner circles overlap, in two.
        {0, "30", "29.85", "4", "3"},
        {0, "30", "29.85", "5", "0.15"},
    };
    for (const Layout& l : grid())
        layouts.push_back(l);
    for (const Layout& l : layouts) {
        SCOPED_TRACE(testing::Message() << "class " << l.cls + 1 << ", h " << l.h << ", hx " << l.hx << ", a " << l.a
                                        << ", b " << l.b << ", " << l.scale);
        startDrawing();
        typeBoxes("txtFourRodIn", {l.h.c_str(), l.hx.c_str(), l.a.c_str(), l.b.c_str(), l.scale.c_str()});
        setClass(4, l.cls);
        picks->point(1000, 500);
        press("cmdFourRod", 2);
        const double k = 1000.0 / std::stod(l.scale.substr(2));
        const auto drawn = entities();
        if (drawn.empty()) {
            EXPECT_EQ(tip(), tipOf("目标高度无保护范围!"));
        } else {
            EXPECT_EQ(tip(), QString());
            // Where an rx arc meets an inner arc the two drawn circles miss each other by the rounding of
            // rx and r0 (half a millimetre each). An arc of a radius below 0.0001 drawing units is not
            // drawn, so at the smallest scales the ends across it meet within twice that.
            expectEndsMeet(shownArcs(drawn), std::max(0.001 * k, 0.0002));
        }
        const FourRodRegion region({std::stod(l.h), std::stod(l.hx), std::stod(l.a), std::stod(l.b), radii[l.cls]});
        if (region.takenAsClosed())
            EXPECT_TRUE(drawn.empty());
        else
            expectOutlineBounds(drawn, region, {1000, 500, 0}, k);
        endEngine();
    }
}

} // namespace

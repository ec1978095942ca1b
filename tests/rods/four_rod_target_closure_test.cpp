// The typed four-rod outline at the target height over a grid of layouts: every figure closes, or
// nothing is drawn and the tip line says that nothing is protected.
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
};

std::string decimals(double v) { return QString::number(v, 'f', 3).toStdString(); }

// Rods below, at and above Hr; hx just below the rod height and on both sides of Hr; long and narrow,
// nearly square and middling rectangles, each as wide as the rods still protect the centre together.
std::vector<Layout> grid()
{
    std::vector<Layout> out;
    const double radii[3] = {30, 45, 60};
    for (int cls = 0; cls < 3; ++cls) {
        const double hr = radii[cls];
        for (const double h : {0.5 * hr, hr, 1.5 * hr}) {
            const double top = std::min(h, hr); // taller rods are taken as Hr tall
            const double r0 = std::sqrt(top * (2 * hr - top));
            for (const double hx : {h - 0.001, hr - 0.01, hr + 0.01}) {
                if (hx < 0 || hx > h)
                    continue;
                for (const auto& [fa, fb] : {std::pair{1.9, 0.3}, {1.4, 1.3}, {1.0, 0.6}})
                    out.push_back({cls, decimals(h), decimals(hx), decimals(fa * r0), decimals(fb * r0)});
            }
        }
    }
    return out;
}

TEST_F(FourRodTargetClosure, EveryOutlineClosesOrNothingIsProtected)
{
    // Four zones a millimetre wide about the rods, closed by pieces far shorter than 0.0001 radians.
    std::vector<Layout> layouts = {{0, "16", "15.999", "33.3", "33.3"}};
    for (const Layout& l : grid())
        layouts.push_back(l);
    for (const Layout& l : layouts) {
        SCOPED_TRACE(testing::Message() << "class " << l.cls + 1 << ", h " << l.h << ", hx " << l.hx << ", a " << l.a
                                        << ", b " << l.b);
        startDrawing();
        typeBoxes("txtFourRodIn", {l.h.c_str(), l.hx.c_str(), l.a.c_str(), l.b.c_str(), "1:500"});
        setClass(4, l.cls);
        picks->point(1000, 500);
        press("cmdFourRod", 2);
        const auto drawn = entities();
        if (drawn.empty()) {
            EXPECT_EQ(tip(), tipOf("目标高度无保护范围!"));
        } else {
            EXPECT_EQ(tip(), QString());
            // Where an rx arc meets an inner arc the two drawn circles miss each other by the rounding of
            // rx and r0 (half a millimetre, 0.001 at 1:500).
            expectEndsMeet(shownArcs(drawn), 0.002);
        }
        endEngine();
    }
}

} // namespace

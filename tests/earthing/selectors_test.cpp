// The three picture selectors through the real window: border, caption colour, enabled size boxes.
#include "earthing/selectors.h"
#include "window_fixture.h"

using services::borderStyle;
using earthing::chosenCaptionColour;
using earthing::plainCaptionColour;

namespace {

QColor captionColour(QWidget* label) { return label->palette().color(QPalette::WindowText); }

} // namespace

class Selectors : public EarthingWindow {
protected:
    // Exactly element chosen has the border and the chosen caption colour (also elements in alsoChosen).
    void expectChosen(const char* pictures, const char* labels, int chosen, std::vector<int> alsoChosen = {})
    {
        const int last = controls().maxIndex(QString::fromUtf8(pictures));
        ASSERT_GE(last, chosen);
        for (int i = 0; i <= last; ++i)
            EXPECT_EQ(borderStyle(widget(pictures, i)), i == chosen ? 1 : 0) << pictures << i;
        alsoChosen.push_back(chosen);
        for (int i = 0; i <= controls().maxIndex(QString::fromUtf8(labels)); ++i) {
            const bool on = std::find(alsoChosen.begin(), alsoChosen.end(), i) != alsoChosen.end();
            EXPECT_EQ(captionColour(widget(labels, i)), on ? chosenCaptionColour() : plainCaptionColour()) << labels << i;
        }
    }
    void expectSizeBoxes(std::vector<int> enabled)
    {
        for (int i = 0; i <= 4; ++i) {
            const bool on = std::find(enabled.begin(), enabled.end(), i) != enabled.end();
            EXPECT_EQ(widget("txtType", i)->isEnabled(), on) << "txtType" << i;
        }
    }
};

TEST_F(Selectors, StartWithTheFirstElementOfEach)
{
    EXPECT_EQ(chosenCaptionColour(), QColor(192, 64, 0));
    expectChosen("imgType", "lblType", 0);
    expectSizeBoxes({0});
    window->menuCommand(QStringLiteral("mnuHorizontal"));
    expectChosen("imgShape", "lblSHape", 0);
    window->menuCommand(QStringLiteral("mnuSupport"));
    expectChosen("picShape", "lblPic", 0);
}

TEST_F(Selectors, SteelSection)
{
    click("lblType", 4); // the b2 caption chooses the angle steel
    expectChosen("imgType", "lblType", 3, {4});
    expectSizeBoxes({3, 4});

    click("imgType", 2); // leaving the angle steel resets both of its captions and boxes
    expectChosen("imgType", "lblType", 2);
    expectSizeBoxes({2});

    click("imgType", 2); // the chosen one again changes nothing
    expectChosen("imgType", "lblType", 2);
    expectSizeBoxes({2});

    click("lblType", 1);
    expectChosen("imgType", "lblType", 1);
    expectSizeBoxes({1});
}

TEST_F(Selectors, ElectrodeShapeAndTowerArrangement)
{
    window->menuCommand(QStringLiteral("mnuHorizontal"));
    click("lblSHape", 6); // the caption "2.19"
    expectChosen("imgShape", "lblSHape", 6);
    click("imgShape", 9);
    expectChosen("imgShape", "lblSHape", 9);

    window->menuCommand(QStringLiteral("mnuSupport"));
    click("lblPic", 2); // "钢筋混凝土杆环型接地装置"
    expectChosen("picShape", "lblPic", 2);
    click("picShape", 1);
    expectChosen("picShape", "lblPic", 1);
    EXPECT_EQ(earthing::chosenElement(controls(), QStringLiteral("picShape")), 1);
}

// Finding controls as execute strings name them: exact names, element indexes, -1 for the first.
#include "app/link_execute_controls.h"

#include <QObject>
#include <gtest/gtest.h>

using services::ControlKind;

namespace {

// Design order matters: the search runs through it and stops at a control that is no array.
services::ControlRegistry registry(QObject& owner)
{
    services::ControlRegistry r;
    auto add = [&](const char* name, std::optional<int> index) {
        r.add(QLatin1String(name), index, ControlKind::Label, new QObject(&owner));
    };
    add("lblTips", std::nullopt);
    add("lblA", 2);
    add("lblA", 0);
    add("lblA", 5);
    add("lblMixed", 1);
    add("lblMixed", std::nullopt);
    add("lblMixed", 3);
    return r;
}

} // namespace

TEST(LinkExecuteControls, FindControlByExactNameAndIndex)
{
    QObject owner;
    const services::ControlRegistry r = registry(owner);
    auto found = [&](const char* name, int index) -> std::optional<int> {
        const services::Control* c = app::FindControl(r, QLatin1String(name), index);
        if (!c)
            return std::nullopt;
        return c->index.value_or(-100); // -100 marks the control that is no array
    };
    EXPECT_EQ(found("lblTips", -1), -100);
    EXPECT_EQ(found("lblTips", 0), std::nullopt);   // no array: only -1 reaches it
    EXPECT_EQ(found("lbltips", -1), std::nullopt);  // names are case-sensitive
    EXPECT_EQ(found("lblA", -1), 2);                // the first in design order
    EXPECT_EQ(found("lblA", 5), 5);
    EXPECT_EQ(found("lblA", 1), std::nullopt);
    EXPECT_EQ(found("lblMixed", 1), 1);
    EXPECT_EQ(found("lblMixed", 3), std::nullopt); // the search stops at the one without an index
    EXPECT_EQ(found("", -1), std::nullopt);
}

TEST(LinkExecuteControls, MaxControlIndexStopsAtAControlThatIsNoArray)
{
    QObject owner;
    const services::ControlRegistry r = registry(owner);
    EXPECT_EQ(app::MaxControlIndex(r, QStringLiteral("lblA")), 5);
    EXPECT_EQ(app::MaxControlIndex(r, QStringLiteral("lblTips")), -1);
    EXPECT_EQ(app::MaxControlIndex(r, QStringLiteral("lblMixed")), 1);
    EXPECT_EQ(app::MaxControlIndex(r, QStringLiteral("LBLA")), -1);
    EXPECT_EQ(app::MaxControlIndex(r, QStringLiteral("none")), -1);

    EXPECT_TRUE(app::IsElement(*app::FindControl(r, QStringLiteral("lblA"), 0)));
    EXPECT_FALSE(app::IsElement(*app::FindControl(r, QStringLiteral("lblTips"), -1)));
}

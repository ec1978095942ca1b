// The checked lists: crossings, offset copies and handle lists never read or write outside themselves.
#include "services/acad_test_support.h"

#include "platform/automation/errors_resumed.h"
#include "services/crossing_list.h"
#include "services/handle_lists.h"

namespace {

using automation::ErrObject;
using automation::resume;
using automation::errors::SubscriptOutOfRange;

class CheckedLists : public acadtest::EngineTest {};

TEST_F(CheckedLists, AReadPastTheCrossingsIsSkippedInsideAResumedStep)
{
    startWithDrawing();
    cad::Entity circle = services::g_modelSpace.AddCircle({0, 0, 0}, 5);
    cad::Entity line = services::g_modelSpace.AddLine({-10, 3, 0}, {10, 3, 0});
    cad::Entity apart = services::g_modelSpace.AddLine({-10, 30, 0}, {10, 30, 0});

    const services::CrossingList two = services::crossingsOf(circle, line, 0);
    ASSERT_EQ(two.pointCount(), 2);
    EXPECT_EQ(two.upperBound(), 5);
    EXPECT_DOUBLE_EQ(std::abs(two.pointAt(1)[0]), 4);

    ErrObject err;
    cad::Point kept{1, 2, 3};
    double x = 42;
    resume(err, [&] { kept = two.pointAt(2); });
    EXPECT_EQ(err.number(), SubscriptOutOfRange);
    EXPECT_EQ(kept, (cad::Point{1, 2, 3})) << "the target keeps its value";
    err.clear();

    const services::CrossingList none = services::crossingsOf(circle, apart, 0);
    EXPECT_EQ(none.upperBound(), -1);
    resume(err, [&] { x = none.at(0); });
    resume(err, [&] { x = none.at(-1); });
    EXPECT_EQ(err.number(), SubscriptOutOfRange);
    EXPECT_EQ(x, 42);
    err.clear();

    const services::OffsetList copies = services::offsetOf(line, 1);
    ASSERT_EQ(copies.count(), 1);
    cad::Entity copy;
    EXPECT_TRUE(resume(err, [&] { copy = copies.at(0); }));
    EXPECT_FALSE(resume(err, [&] { copy = copies.at(1); }));
    EXPECT_EQ(copy, copies.at(0));
}

TEST(HandleLists, EveryIndexOutsideAListIsSubscriptOutOfRange)
{
    services::HandleList list;
    services::HandleSlots<4> quad;
    int counter = 3;
    ErrObject err;
    QString read = QStringLiteral("kept");

    list.file(QStringLiteral("A1"));
    list.file(services::kNoEntity);
    EXPECT_EQ(list.count(), 2);
    EXPECT_FALSE(resume(err, [&] { read = list.at(2); }));
    EXPECT_FALSE(resume(err, [&] { list.set(-1, QStringLiteral("B")); }));
    EXPECT_EQ(read, QStringLiteral("kept"));
    list.reset();
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(resume(err, [&] { read = list.at(0); }));

    EXPECT_TRUE(resume(err, [&] { services::fileAtCounter(quad, counter, QStringLiteral("C3")); }));
    EXPECT_FALSE(resume(err, [&] { services::fileAtCounter(quad, counter, QStringLiteral("C4")); }));
    EXPECT_EQ(counter, 5) << "the counter advances even when nothing is filed";
    EXPECT_EQ(quad.at(3), QStringLiteral("C3"));
    quad.swapEntries(0, 3);
    EXPECT_EQ(quad.at(0), QStringLiteral("C3"));
    EXPECT_FALSE(resume(err, [&] { quad.swapEntries(0, 4); }));
    EXPECT_EQ(quad.at(0), QStringLiteral("C3"));
    EXPECT_EQ(err.number(), SubscriptOutOfRange);
}

} // namespace

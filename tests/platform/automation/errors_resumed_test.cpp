// Errors resumed: skipped statements, a number kept until cleared, and a failing condition entering its block.
#include "platform/automation/errors_resumed.h"

#include <gtest/gtest.h>

using namespace automation;

namespace {
int failWith(std::int32_t number) { throw AutomationError(number); }
} // namespace

TEST(ErrorsResumed, FailingStatementIsSkippedAndTheNextRuns)
{
    ErrObject err;
    int target = 7;
    std::vector<int> ran;
    resume(err, [&] { ran.push_back(1); });
    resume(err, [&] { target = failWith(errors::UserCancelled); ran.push_back(2); });
    resume(err, [&] { ran.push_back(3); });

    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    EXPECT_EQ(target, 7) << "a failed assignment leaves its target as it was";
    EXPECT_EQ(err.number(), -2147352567);
}

TEST(ErrorsResumed, NumberStaysUntilClearedAndLaterFailuresReplaceIt)
{
    ErrObject err;
    resume(err, [] { failWith(errors::ArcNotDrawn); });
    resume(err, [] {});
    EXPECT_EQ(err.number(), errors::ArcNotDrawn) << "a successful statement does not clear the number";
    resume(err, [] { failWith(errors::ObjectNotSet); });
    EXPECT_EQ(err.number(), 91);
    err.clear();
    EXPECT_EQ(err.number(), 0);
    EXPECT_FALSE(err.failed());
}

TEST(ErrorsResumed, FailedConditionEntersTheBlock)
{
    ErrObject err;
    int entered = 0;
    if (resumeIf(err, [] { return failWith(errors::Disconnected) == 0; }))
        ++entered;
    if (resumeIf(err, [] { return false; }))
        entered += 10;
    if (resumeIf(err, [] { return true; }))
        entered += 100;
    EXPECT_EQ(entered, 101);
    EXPECT_EQ(err.number(), errors::Disconnected);
}

TEST(ErrorsResumed, OtherExceptionsAreNotSwallowed)
{
    ErrObject err;
    EXPECT_THROW(resume(err, [] { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_EQ(err.number(), 0);
}

TEST(ErrorsResumed, ResumeAssignKeepsOldValueOnFailure)
{
    ErrObject err;
    QString handle = QStringLiteral("-1");
    EXPECT_FALSE(resumeAssign(err, handle, []() -> QString { throw AutomationError(errors::ObjectErased); }));
    EXPECT_EQ(handle, QStringLiteral("-1"));
    EXPECT_TRUE(resumeAssign(err, handle, [] { return QStringLiteral("2A"); }));
    EXPECT_EQ(handle, QStringLiteral("2A"));
}

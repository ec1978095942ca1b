// Errors resumed: skipped statements, a number kept until cleared, and a failing condition entering its block.
#include "platform/automation/errors_resumed.h"

#include <gtest/gtest.h>
#include <memory>

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

namespace {

// A routine that leaves no failure pending, with error objects of its own that fail.
void routineThatClearsItsCaller()
{
    const automation::ClearsCallersError leavesNothingPending;
    automation::ErrObject own;
    automation::resume(own, [] { throw automation::AutomationError(automation::errors::InvalidInput); });
}

TEST(ClearsCallersError, TheCallersFailureIsClearedWhenTheRoutineReturns)
{
    automation::ErrObject outer;
    outer.record(automation::AutomationError(automation::errors::ObjectNotSet));
    auto caller = std::make_unique<automation::ErrObject>();
    caller->record(automation::AutomationError(automation::errors::SubscriptOutOfRange));
    routineThatClearsItsCaller();
    EXPECT_FALSE(caller->failed()) << "the innermost error object is the caller's";
    EXPECT_TRUE(outer.failed()) << "objects further out keep theirs";

    // Objects ending out of order still leave the right one innermost.
    automation::ErrObject later;
    later.record(automation::AutomationError(automation::errors::InvalidInput));
    caller.reset();
    EXPECT_EQ(automation::ErrObject::innermost(), &later);
    routineThatClearsItsCaller();
    EXPECT_FALSE(later.failed());
    EXPECT_TRUE(outer.failed());
}

} // namespace

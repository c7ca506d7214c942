#include "replay/ReplayChild.h"
#include "replay/ReplayInputs.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
constexpr int kTimeoutMs = 10'000;

class FuzzReplay : public ::testing::TestWithParam<const FuzzTarget*> {};

std::string testName(const ::testing::TestParamInfo<const FuzzTarget*>& info) {
    return QString::fromLatin1(info.param->name).remove(u'-').toStdString();
}

std::vector<const FuzzTarget*> targetList() {
    std::vector<const FuzzTarget*> targets;
    for (const FuzzTarget& target : FuzzTargets::all())
        targets.push_back(&target);
    return targets;
}
} // namespace

// Every input of the target finishes in a child process within the time limit, without a
// crash or a failed check.
TEST_P(FuzzReplay, EveryInputFinishesCleanly) {
    const FuzzTarget& target = *GetParam();
    const QStringList inputs = replayInputs(target);
    EXPECT_FALSE(inputs.isEmpty()) << "no seeds found for " << target.name;
    for (const QString& input : inputs) {
        const ReplayChild::Outcome outcome =
            ReplayChild::run(QString::fromLatin1(target.name), input, kTimeoutMs);
        EXPECT_TRUE(outcome.passed) << input.toStdString() << ": " << outcome.failure.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(targetList()), testName);

#include "replay/ReplayChild.h"
#include "replay/ReplayInputs.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
constexpr int kTimeoutMs = 10'000;

// Parameters are the targets' names, so every test is named after its target.
class FuzzReplay : public ::testing::TestWithParam<std::string> {};

std::string testName(const ::testing::TestParamInfo<std::string>& info) {
    return QString::fromStdString(info.param).remove(u'-').toStdString();
}

std::vector<std::string> targetNames() {
    std::vector<std::string> names;
    for (const FuzzTarget& target : FuzzTargets::all())
        names.emplace_back(target.name);
    return names;
}
} // namespace

// Every input of the target finishes in a child process within the time limit, without a
// crash or a failed check.
TEST_P(FuzzReplay, EveryInputFinishesCleanly) {
    const FuzzTarget& target = *FuzzTargets::find(QString::fromStdString(GetParam()));
    const QStringList inputs = replayInputs(target);
    EXPECT_FALSE(inputs.isEmpty()) << "no seeds found for " << target.name;
    for (const QString& input : inputs) {
        const ReplayChild::Outcome outcome =
            ReplayChild::run(QString::fromLatin1(target.name), input, kTimeoutMs);
        EXPECT_TRUE(outcome.passed) << input.toStdString() << ": " << outcome.failure.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(targetNames()), testName);

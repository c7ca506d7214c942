#pragma once

#include <QString>
#include <optional>

// Every replayed input runs in a child process (this test binary started again with
// "--replay <target> <file>"), so a crash, a failed check or a hang is caught and named.
namespace ReplayChild {

struct Outcome {
    bool passed = false;
    QString failure; // why it did not pass: the exit, the signal or the time-out, and the output
};

// Runs one input of a target in a child and waits at most `timeoutMs` for it.
Outcome run(const QString& target, const QString& file, int timeoutMs);

// In the child: the exit code of replaying the input the arguments name; none when the
// arguments do not ask for a replay.
std::optional<int> replayFromArguments(int argc, char** argv);

} // namespace ReplayChild

#pragma once

#include <optional>

// A test binary that starts itself again as a child process compiles its main with
// VANTROBE_TEST_CHILD_PROCESSES and implements this: given the arguments, the exit code of the
// child's work, or none to run the tests. It runs after the Qt application object exists.
std::optional<int> runAsChildProcess(int argc, char** argv);

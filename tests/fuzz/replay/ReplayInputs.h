#pragma once

#include "targets/FuzzTarget.h"

#include <QStringList>

// The inputs the replay test gives a target: its seeds, the regression inputs kept in the
// source tree (tests/fuzz/regressions/<target>/) and, when VANTROBE_FUZZ_REGRESSIONS_DIR is
// set, those in <that folder>/<target>/. Paths are absolute, sorted per source.
QStringList replayInputs(const FuzzTarget& target);

#pragma once

// What the benchmarks measure besides Google Benchmark's own clock: the medians of paired
// runs, the process's CPU time and its resident memory (current and peak, in megabytes).
#include <QElapsedTimer>
#include <functional>
#include <vector>

namespace Measures {

// The median of the figures (0 for none).
double median(std::vector<double> figures);

// Wall-clock seconds of the work.
double secondsOf(const std::function<void()>& work);

// CPU seconds the whole process (every thread) has used so far.
double processCpuSeconds();

// Wall-clock and CPU seconds (of the whole process) of the work.
struct Timing {
    double wallSeconds = 0;
    double cpuSeconds = 0;
};
Timing timingOf(const std::function<void()>& work);

// The process's resident memory now, and the largest it has been since the start or since
// the last resetPeakMemory (the kernel's VmRSS and VmHWM), in megabytes.
double residentMegabytes();
double peakResidentMegabytes();
// Starts a new peak at the present resident size; false where the kernel cannot.
bool resetPeakMemory();

} // namespace Measures

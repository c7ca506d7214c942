#include "Measures.h"

#include <QFile>
#include <algorithm>
#include <ctime>

namespace {
// A "Vm...: <n> kB" line of /proc/self/status, in megabytes.
double statusMegabytes(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}
} // namespace

namespace Measures {

double median(std::vector<double> figures) {
    if (figures.empty())
        return 0;
    const auto middle = figures.begin() + std::ptrdiff_t(figures.size() / 2);
    std::nth_element(figures.begin(), middle, figures.end());
    if (figures.size() % 2 == 1)
        return *middle;
    return (*middle + *std::max_element(figures.begin(), middle)) / 2;
}

double secondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

double processCpuSeconds() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
}

Timing timingOf(const std::function<void()>& work) {
    const double cpuBefore = processCpuSeconds();
    const double wall = secondsOf(work);
    return {wall, processCpuSeconds() - cpuBefore};
}

double residentMegabytes() {
    return statusMegabytes("VmRSS");
}

double peakResidentMegabytes() {
    return statusMegabytes("VmHWM");
}

bool resetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

} // namespace Measures

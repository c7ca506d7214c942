// The preview of a 130-page return (the largest multi-site return): opening it to the first
// painted page (the page files read, the preview document written, the window shown), Page Down
// through every page at the window's width, then 400 % scrolled from the first page to the last
// a window at a time. It prints the first opening of the run (fonts not yet open) and the
// median of the openings, with the CPU time of each (goal: at most 100 ms), the median and the
// slowest Page Down (goal: at most 25 ms), the median step at 400 %, and the largest memory the
// process took for the preview above what it held before (goal: at most 150 MB whatever the
// zoom).
#include "BenchPages.h"
#include "Measures.h"
#include "output/PageView.h"
#include "output/ReturnPreviewWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

struct PreviewRun {
    double openSeconds = 0;
    double openCpuSeconds = 0;
    std::vector<double> pageDowns;
    std::vector<double> zoomedSteps;
};

// Seconds of a Page Down: the key, then the view painted.
double pageDown(PageView& view) {
    return Measures::secondsOf([&view] {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&view, &key);
        view.viewport()->repaint();
    });
}

// What the preparer does in the open window, timed: the first page painted, every page paged
// down to, then 400 % from top to bottom.
void useWindow(ReturnPreviewWindow& window, const QElapsedTimer& sinceOpening, double cpuAtOpening,
               PreviewRun& run) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents();
    PageView& view = *window.pageView();
    view.viewport()->repaint();
    run.openSeconds = double(sinceOpening.nsecsElapsed()) / 1e9;
    run.openCpuSeconds = Measures::processCpuSeconds() - cpuAtOpening;
    for (int page = 1; page < view.pageCount(); ++page) {
        QApplication::processEvents();
        run.pageDowns.push_back(pageDown(view));
    }
    view.setZoom(4.0);
    QScrollBar& scroll = *view.verticalScrollBar();
    for (int value = 0; value <= scroll.maximum(); value += scroll.pageStep()) {
        run.zoomedSteps.push_back(Measures::secondsOf([&] {
            scroll.setValue(value);
            view.viewport()->repaint();
        }));
    }
    window.accept();
}

void previewReturnOf130Pages(benchmark::State& state) {
    const BenchPages pages(130);
    const QTemporaryDir folder;
    PreviewContext context;
    context.pages = pages.pages();
    std::vector<double> opens, openCpu, pageDowns, slowestPageDowns, zoomedSteps;
    double mostAbove = 0;
    for (auto _ : state) {
        Measures::resetPeakMemory();
        const double before = Measures::residentMegabytes();
        PreviewRun run;
        QElapsedTimer sinceOpening;
        sinceOpening.start();
        const double cpuAtOpening = Measures::processCpuSeconds();
        QTimer::singleShot(0, [&] {
            if (auto* window =
                    qobject_cast<ReturnPreviewWindow*>(QApplication::activeModalWidget()))
                useWindow(*window, sinceOpening, cpuAtOpening, run);
        });
        if (!openReturnPreview(nullptr, context, folder.filePath(QStringLiteral("Preview.doc"))))
            state.SkipWithError("the preview did not open");
        state.SetIterationTime(run.openSeconds);
        mostAbove = std::max(mostAbove, Measures::peakResidentMegabytes() - before);
        opens.push_back(run.openSeconds);
        openCpu.push_back(run.openCpuSeconds);
        pageDowns.push_back(Measures::median(run.pageDowns));
        slowestPageDowns.push_back(*std::max_element(run.pageDowns.begin(), run.pageDowns.end()));
        zoomedSteps.push_back(Measures::median(run.zoomedSteps));
    }
    state.counters["first_open_ms"] = opens.front() * 1000;
    state.counters["first_open_cpu_ms"] = openCpu.front() * 1000;
    state.counters["open_ms"] = Measures::median(opens) * 1000;
    state.counters["open_cpu_ms"] = Measures::median(openCpu) * 1000;
    state.counters["page_down_ms"] = Measures::median(pageDowns) * 1000;
    state.counters["slowest_page_down_ms"] = Measures::median(slowestPageDowns) * 1000;
    state.counters["step_at_400_ms"] = Measures::median(zoomedSteps) * 1000;
    state.counters["view_peak_MB"] = mostAbove;
}
BENCHMARK(previewReturnOf130Pages)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

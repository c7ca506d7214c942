// The libFuzzer entry of one fuzz target, chosen when the executable is built
// (VANTROBE_FUZZ_TARGET names it). Run it over a corpus folder seeded from the target's seeds:
//   build-fuzz/bin/emf_player_fuzzer -max_total_time=600 corpus/emf-player

#include "targets/FuzzTarget.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    if (!FuzzTargets::find(QStringLiteral(VANTROBE_FUZZ_TARGET)))
        qFatal("No fuzz target called %s", VANTROBE_FUZZ_TARGET);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzTarget* target = FuzzTargets::find(QStringLiteral(VANTROBE_FUZZ_TARGET));
    target->run(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}

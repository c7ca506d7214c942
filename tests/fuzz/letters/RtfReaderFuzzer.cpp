// Feeds arbitrary bytes to the RTF reader and writes the resulting document out again.
// Seeds: tests/data/letters/*.rtf and letters/resources/*.rtf.

#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument document;
    RtfReader::read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                    document);
    RtfWriter::write(document);
    return 0;
}

#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"
#include "targets/FuzzEntries.h"

#include <QTextDocument>

void FuzzEntries::rtfReader(const QByteArray& input) {
    QTextDocument document;
    RtfReader::read(input, document);
    RtfWriter::write(document);
}

#include "forms/export/PdfObjectWriter.h"

#include <cstdio>

PdfObjectWriter::PdfObjectWriter(QIODevice& device, int objectCount)
    : device_(device), offsets_(size_t(objectCount) + 1, 0) {}

void PdfObjectWriter::header() {
    line("%PDF-1.2");
}

void PdfObjectWriter::beginObject(int number) {
    if (number > 0 && size_t(number) < offsets_.size())
        offsets_[size_t(number)] = position_;
    else
        failed_ = true;
    line(QByteArray::number(number) + " 0 obj");
}

void PdfObjectWriter::line(const QByteArray& text) {
    bytes(text + '\r');
}

void PdfObjectWriter::bytes(const QByteArray& data) {
    if (device_.write(data) != data.size())
        failed_ = true;
    position_ += data.size();
}

void PdfObjectWriter::textStream(const QByteArray& text) {
    line("<<");
    line("/Length " + QByteArray::number(text.size() - 1));
    line(">>");
    bytes("stream\r\n");
    bytes(text);
    line("endstream");
}

void PdfObjectWriter::dataStream(const QByteArray& data) {
    bytes("stream\r\n");
    bytes(data);
    bytes("\r");
    line("endstream");
}

void PdfObjectWriter::finish(int catalog, int info) {
    const qint64 xref = position_;
    const QByteArray size = QByteArray::number(qulonglong(offsets_.size()));
    line("xref");
    line("0 " + size);
    line("0000000000 65535 f ");
    char entry[32];
    for (size_t number = 1; number < offsets_.size(); ++number) {
        std::snprintf(entry, sizeof entry, "%010llu 00000 n \r",
                      static_cast<unsigned long long>(offsets_[number]));
        bytes(QByteArray(entry));
    }
    line("trailer");
    line("<<");
    line("/Size " + size);
    line("/Root " + pdfReference(catalog));
    line("/Info " + pdfReference(info));
    line(">>");
    line("startxref");
    line(QByteArray::number(xref));
    line("%%EOF");
}

QByteArray pdfReference(int number) {
    return QByteArray::number(number) + " 0 R";
}

QByteArray pdfString(const QString& text) {
    QByteArray escaped;
    for (const char c : text.toLatin1()) {
        if (c == '\\' || c == '(' || c == ')')
            escaped += '\\';
        escaped += c;
    }
    return '(' + escaped + ')';
}

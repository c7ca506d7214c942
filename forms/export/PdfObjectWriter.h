#pragma once

#include <QByteArray>
#include <QIODevice>
#include <vector>

// Writes the numbered objects of a PDF file to a device and remembers where each begins, for
// the cross-reference table. Lines end with a carriage return alone. Write failures are
// remembered, so a caller can write a whole object and ask once whether it all went out.
class PdfObjectWriter {
public:
    PdfObjectWriter(QIODevice& device, int objectCount);

    // Writes "%PDF-1.2".
    void header();
    // Starts object `number` ("n 0 obj").
    void beginObject(int number);
    void endObject() { line("endobj"); }
    void line(const QByteArray& text);
    void bytes(const QByteArray& data);
    // A dictionary with the stream's /Length counted without its final line end, then the
    // stream itself; `text` ends with a carriage return.
    void textStream(const QByteArray& text);
    // A stream of binary data after its dictionary, closed on a line of its own.
    void dataStream(const QByteArray& data);
    // The cross-reference table and the trailer with the catalog and information objects.
    void finish(int catalog, int info);

    bool failed() const { return failed_; }

private:
    QIODevice& device_;
    qint64 position_ = 0;
    std::vector<qint64> offsets_;
    bool failed_ = false;
};

// "n 0 R"
QByteArray pdfReference(int number);
// A PDF literal string: the text in parentheses, with '\', '(' and ')' escaped.
QByteArray pdfString(const QString& text);

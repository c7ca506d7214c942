#pragma once

#include "forms/EmfRecord.h"

#include <QByteArrayView>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// What the header of an enhanced metafile says about the page.
struct EmfHeader {
    QRect bounds;       // device units, edges as stored (inclusive)
    QRect frame;        // 0.01 mm, edges as stored (inclusive)
    QSize devicePixels; // the reference device
    QSize deviceMillimetres;
    QSize deviceMicrometres; // empty when the header has no such extension
    quint32 handleCount = 0;
};

// Splits an enhanced metafile into its records after checking the whole chain: the header
// record with its signature, every record's size (at least 8, a multiple of 4, inside the
// image), at most 100,000 records and an end-of-file record. A truncated or garbled image is
// refused with a message before anything is drawn from it. The records refer to the image's bytes,
// which must outlive the reader.
class EmfRecordReader {
public:
    explicit EmfRecordReader(QByteArrayView image);

    bool isValid() const { return error_.isEmpty(); }
    QString error() const { return error_; }
    const EmfHeader& header() const { return header_; }
    // All records from the header to the end-of-file record.
    const QList<EmfRecord>& records() const { return records_; }

private:
    bool readHeader(QByteArrayView image);
    bool readRecords(QByteArrayView image);
    bool fail(const QString& message);

    EmfHeader header_;
    QList<EmfRecord> records_;
    QString error_;
};

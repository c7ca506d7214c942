#include "returns/import/FigureText.h"

#include "platform/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>

namespace {
FigureText::Decoded refused(const char* problem) {
    return {{}, {}, QLatin1String(problem)};
}

QString megabytes(qint64 bytes) {
    return QString::number(double(bytes) / (1024 * 1024), 'f', 1);
}

FigureText::Decoded tooLarge(qint64 bytes) {
    return {{},
            {},
            QStringLiteral("The file is %1 MB, while a file of figures (one row per location) "
                           "is at most %2 MB. Check that you chose the right file.")
                .arg(megabytes(bytes), megabytes(FigureText::kMaxFileBytes))};
}

bool startsWith(const QByteArray& bytes, const char* mark) {
    return bytes.startsWith(QByteArrayView(mark));
}

std::optional<QString> utf8Text(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
} // namespace

FigureText::Decoded FigureText::decode(const QByteArray& bytes) {
    if (startsWith(bytes, "PK\x03\x04") || startsWith(bytes, "\xD0\xCF\x11\xE0"))
        return refused("The file is a spreadsheet workbook, not a CSV file. Save the sheet as "
                       "CSV (comma or semicolon separated, UTF-8 or Windows-1252) in the "
                       "spreadsheet program and import that file.");
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF"))
        return refused("The file is saved as Unicode (UTF-16) text. Save it as CSV in UTF-8 or "
                       "Windows-1252 and import that file.");
    if (bytes.contains('\0'))
        return refused("The file is not a text file. Choose the CSV file of the figures.");
    const bool marked = startsWith(bytes, "\xEF\xBB\xBF");
    const QByteArrayView body = QByteArrayView(bytes).sliced(marked ? 3 : 0);
    Decoded decoded;
    if (const std::optional<QString> text = utf8Text(body)) {
        decoded.text = *text;
        decoded.encoding = QStringLiteral("UTF-8");
    } else if (marked) {
        return refused("The file is marked as UTF-8 but holds bytes that are not UTF-8. Save it "
                       "again as CSV in UTF-8 or Windows-1252.");
    } else {
        decoded.text = Cp1252::toUnicode(body.data(), body.size());
        decoded.encoding = QStringLiteral("Windows-1252");
    }
    if (decoded.text.trimmed().isEmpty())
        return refused("The file is empty.");
    return decoded;
}

FigureText::Decoded FigureText::readFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxFileBytes)
        return tooLarge(info.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {}, QStringLiteral("The file cannot be read: %1.").arg(file.errorString())};
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes)
        return tooLarge(qMax(file.size(), qint64(bytes.size())));
    return decode(bytes);
}

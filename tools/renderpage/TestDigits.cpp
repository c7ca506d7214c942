#include "TestDigits.h"

#include "forms/EmfTextItems.h"
#include "forms/PlaceholderSearch.h"

#include <QRegularExpression>
#include <cstring>

namespace {

constexpr qsizetype kRateWidth = 5;

bool isFieldFace(const QString& face) {
    return face == QLatin1String("Courier New") || face == QLatin1String("OCRA");
}

QString testText(const QString& run) {
    if (run.front().isDigit()) {
        if (run.size() == kRateWidth)
            return QStringLiteral(".0625");
        QString digits;
        for (qsizetype index = 0; digits.size() < run.size() - 4; ++index)
            digits += QChar(char16_t(u'1' + index % 9));
        return digits + QStringLiteral(" 00 ");
    }
    const QString pattern = QStringLiteral("Abcdefghij0123456789");
    QString text;
    while (text.size() < run.size())
        text += pattern;
    return text.left(run.size());
}

} // namespace

QByteArray fillWithTestDigits(const QByteArray& image) {
    // Placeholders: five or more digits beginning with 1 or 2, or one letter repeated.
    static const QRegularExpression placeholder(QStringLiteral("[12][0-9]{4,}|([A-Za-z])\\1{19,}"));
    QByteArray filled = image;
    for (const EmfTextItem& item : emfTextItems(image)) {
        if (!isFieldFace(item.font.face))
            continue;
        auto matches = placeholder.globalMatch(item.text.text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const QByteArray bytes = PlaceholderSearch::utf16Bytes(testText(match.captured()));
            std::memcpy(filled.data() + item.text.textOffset + 2 * match.capturedStart(),
                        bytes.constData(), size_t(bytes.size()));
        }
    }
    return filled;
}

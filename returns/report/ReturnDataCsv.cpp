#include "returns/report/ReturnDataCsv.h"

#include "platform/CFormat.h"
#include "returns/multisite/LocationResult.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/PrintedLines.h"
#include "returns/report/ReturnExplanation.h"

#include <QStringList>

namespace {
constexpr char kLineEnd[] = "\r\n";

// A field quoted when it holds a separator, a quote or a line end.
QString csvField(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::ranges::none_of(text, [](QChar c) { return special.contains(c); }))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

const St1Worksheet& worksheetOf(const PreparedReturn& prepared, int location) {
    return location < 0 ? prepared.record.worksheet
                        : prepared.locations[size_t(location)].worksheet;
}

QString locationNumber(const PreparedReturn& prepared, int row) {
    if (row < 0)
        return {};
    return QString::number(locationDisplayNumber(prepared.locations[size_t(row)].location, row));
}
} // namespace

QString plainAmount(double value, bool cents) {
    return cents ? cFormat("%.2f", value) : QString::number(qint64(value));
}

QByteArray returnDataCsv(const PreparedReturn& prepared) {
    QString csv = QStringLiteral("form,location,line,description,amount") + QLatin1String(kLineEnd);
    for (const PrintedLine& line : printedLines(prepared)) {
        const FigureInfo& info = figureInfo(line.figure);
        const QString amount = info.style == FigureStyle::Number
                                   ? QString::number(line.value, 'g', 10)
                                   : plainAmount(line.value, info.style == FigureStyle::Money);
        const QStringList fields = {
            pageName(line.page), locationNumber(prepared, line.location),
            QString::fromLatin1(info.line),
            lineDescription(line.figure, worksheetOf(prepared, line.location)), amount};
        QStringList quoted;
        for (const QString& field : fields)
            quoted << csvField(field);
        csv += quoted.join(QLatin1Char(',')) + QLatin1String(kLineEnd);
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}

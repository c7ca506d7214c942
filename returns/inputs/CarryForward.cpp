#include "returns/inputs/CarryForward.h"

#include "clients/ClientRecord.h"
#include "platform/FixedText.h"
#include "returns/GroupThousands.h"
#include "returns/ReturnFields.h"
#include "returns/multisite/LocationResult.h"

#include <QJsonArray>
#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace {
using namespace ReturnFields;

const QLatin1String kWorksheet("worksheet");

QString hint(const QString& figure) {
    return QStringLiteral("last: ") + figure;
}

// Hints for every field of `fields` found in `section`.
template <typename Section, typename Value, std::size_t N>
void addHints(QHash<QString, QString>& hints, const QJsonObject& section,
              const Field<Section, Value> (&fields)[N]) {
    for (const auto& field : fields) {
        const QJsonValue value = section[QLatin1String(field.key)];
        if (!value.isDouble())
            continue;
        hints.insert(QLatin1String(field.key),
                     hint(std::is_floating_point_v<Value> ? moneyText(value.toDouble())
                                                          : groupThousands(value.toInteger())));
    }
}

template <typename Section, typename Value, std::size_t N>
void copyFields(QJsonObject& to, const QJsonObject& from,
                const Field<Section, Value> (&fields)[N]) {
    for (const auto& field : fields) {
        const QLatin1String key(field.key);
        if (from.contains(key))
            to[key] = from[key];
    }
}

QJsonObject section(const QJsonObject& sections, const char* key) {
    return sections[QLatin1String(key)].toObject();
}

CarryForward carryForwardOf(const FilingPeriod& lastPeriod, int onTime, const QJsonObject& sections,
                            QDate today) {
    CarryForward carry;
    carry.lastPeriod = lastPeriod;
    carry.next = nextPeriod(lastPeriod);
    if (today.isValid())
        carry.nextChoice = periodChoiceFor(carry.next, onTime, today);
    carry.answers = profileAnswers(sections);
    carry.hints = lastFigureHints(sections);
    carry.lastSummary = storedSummary(sections);
    return carry;
}
} // namespace

CarryForward carryForwardFrom(const StoredInputs& last, QDate today) {
    return carryForwardOf(last.period, last.onTime(), last.entrySections(), today);
}

std::optional<CarryForward> carryForwardForLocation(const StoredInputs& last,
                                                    const ClientLocation& location, int row) {
    const int number = locationDisplayNumber(location, row);
    const QString code = FixedText::get(location.locationCode);
    for (const QJsonValue& value : last.locations()) {
        const QJsonObject stored = value.toObject();
        if (stored[QLatin1String("locationNumber")].toInt() == number &&
            stored[QLatin1String("locationCode")].toString() == code)
            return carryForwardOf(last.period, last.onTime(), stored, QDate());
    }
    return std::nullopt;
}

QString carryForwardNote(const CarryForward& carry) {
    const QString last = QStringLiteral("The last stored return is for %1; the next period, %2, ")
                             .arg(periodLabel(carry.lastPeriod), periodLabel(carry.next));
    return last + (carry.nextChoice ? QStringLiteral("is chosen below.")
                                    : QStringLiteral("is not on the lists below: please choose "
                                                     "the period."));
}

QJsonObject profileAnswers(const QJsonObject& sections) {
    QJsonObject worksheet, st14, st4;
    copyFields(worksheet, section(sections, "worksheet"), kWorksheetDescriptions);
    copyFields(st14, section(sections, "st14"), kSt14Method);
    copyFields(st4, section(sections, "st4"), kSt4Method);
    return {{kWorksheet, worksheet}, {QStringLiteral("st14"), st14}, {QStringLiteral("st4"), st4}};
}

QHash<QString, QString> lastFigureHints(const QJsonObject& sections) {
    QHash<QString, QString> hints;
    addHints(hints, section(sections, "st1"), kSt1Entries);
    addHints(hints, section(sections, "worksheet"), kWorksheetDeductions);
    addHints(hints, section(sections, "fuelSales"), kFuelGallons);
    addHints(hints, section(sections, "fuelSales"), kFuelReceipts);
    addHints(hints, section(sections, "st14"), kSt14Amount);
    addHints(hints, section(sections, "st4"), kSt4Amount);
    addHints(hints, section(sections, "st4"), kSt4Payments);
    addHints(hints, section(sections, "st8"), kSt8Tires);
    addHints(hints, section(sections, "st8"), kSt8Payments);
    return hints;
}

QString moneyText(double amount) {
    const auto cents = static_cast<std::int64_t>(std::llround(amount * 100));
    const std::int64_t whole = cents / 100;
    const int rest = int(std::llabs(cents % 100));
    const QString sign = cents < 0 && whole == 0 ? QStringLiteral("-") : QString();
    return sign + groupThousands(whole) + QStringLiteral(".%1").arg(rest, 2, 10, QLatin1Char('0'));
}

FigureChange compareWithLast(Dollars last, Dollars now) {
    FigureChange change;
    if (last == 0) {
        change.percent = now == 0 ? QStringLiteral("0.0 %") : QStringLiteral("new");
        change.marked = now != 0;
        change.reason = change.marked ? QStringLiteral("last was 0") : QString();
        return change;
    }
    const double percent = double(now - last) * 100.0 / double(std::llabs(last));
    change.percent = QString::asprintf("%+.1f %%", percent);
    if ((last < 0) != (now < 0) && now != 0) {
        change.marked = true;
        change.reason = QStringLiteral("sign changed");
    } else if (2 * std::llabs(now - last) > std::llabs(last)) {
        change.marked = true;
        change.reason =
            now > last ? QStringLiteral("over 50 % up") : QStringLiteral("over 50 % down");
    }
    return change;
}

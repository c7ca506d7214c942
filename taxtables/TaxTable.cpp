#include "taxtables/TaxTable.h"

#include "platform/Clock.h"
#include "taxtables/RateText.h"

#include <QCryptographicHash>
#include <QFile>
#include <algorithm>

namespace {
// Lines are read with a 200-byte buffer: a longer line is taken in pieces of 199 characters.
constexpr std::size_t kMaxReadLength = 199;
constexpr std::size_t kCodeLength = 10;
// The state's table is about 60 kB; a file many times that size is not a tax table.
constexpr qint64 kLargestTableBytes = 1 << 20;

// The file read the way a text-mode stream reads it: CR LF pairs become LF.
std::string textOf(const QByteArray& bytes) {
    std::string text;
    text.reserve(static_cast<std::size_t>(bytes.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text.push_back(bytes[i]);
    }
    return text;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        // Only the next piece is searched for its line end, so splitting stays linear however
        // long a line is.
        const auto pieceEnd = text.begin() + std::min(text.size(), start + kMaxReadLength);
        const auto lineEnd = std::find(text.begin() + start, pieceEnd, '\n');
        const std::size_t end = (lineEnd == pieceEnd ? pieceEnd : lineEnd + 1) - text.begin();
        lines.emplace_back(text, start, end - start);
        start = end;
    }
    return lines;
}

// Year, month and day of a YYYYMMDD text; missing or non-numeric parts give 0.
int dateField(std::string_view date, std::size_t position, std::size_t length) {
    return position < date.size() ? RateText::leadingInt(date.substr(position, length)) : 0;
}

double rateOf(RateSet set, const char (&current)[6], const char (&prior)[6]) {
    const char* text = set == RateSet::Prior ? prior : current;
    return RateText::fraction(std::string_view(text, ::strnlen(text, 6)));
}

RateSet todaysSet(const TaxTableRecord& record, bool useDateRule) {
    return TaxTable::chooseRateSet(record, useDateRule, Clock::today());
}
} // namespace

bool TaxTable::load(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kLargestTableBytes + 1);
    if (bytes.size() > kLargestTableBytes)
        return false;
    std::vector<std::string> lines = splitLines(textOf(bytes));
    if (lines.empty())
        return false;

    lines_ = std::move(lines);
    index_.clear();
    index_.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i)
        index_[lines_[i].substr(0, kCodeLength)] = i;

    TaxTableRecord trailer;
    trailer.parse(lines_.back());
    const std::string_view date(trailer.effectiveDate);
    lastUpdated_.year = static_cast<std::uint16_t>(dateField(date, 0, 4));
    lastUpdated_.month = static_cast<std::uint16_t>(dateField(date, 4, 2));
    lastUpdated_.day = static_cast<std::uint16_t>(dateField(date, 6, 2));
    identity_.lastUpdated = QStringLiteral("%1-%2-%3")
                                .arg(lastUpdated_.year, 4, 10, QLatin1Char('0'))
                                .arg(lastUpdated_.month, 2, 10, QLatin1Char('0'))
                                .arg(lastUpdated_.day, 2, 10, QLatin1Char('0'));
    identity_.trailer =
        QString::fromLatin1(lines_.back().data(), qsizetype(lines_.back().size())).trimmed();
    identity_.sha256 =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    loaded_ = true;
    return true;
}

bool TaxTable::lookup(std::string_view locationCode, TaxTableRecord& record) const {
    if (!loaded_)
        return false;
    const auto found = index_.find(std::string(locationCode));
    if (found == index_.end())
        return false;
    record.parse(lines_[found->second]);
    return true;
}

int TaxTable::count() const {
    return lines_.empty() ? 0 : static_cast<int>(lines_.size()) - 1;
}

bool TaxTable::recordAt(int index, TaxTableRecord& record) const {
    if (index < 0 || index >= count())
        return false;
    record.parse(lines_[static_cast<std::size_t>(index)]);
    return true;
}

RateSet TaxTable::chooseRateSet(const TaxTableRecord& record, bool useDateRule, QDate today) {
    return rateSetChoice(record, useDateRule, today).set;
}

RateSetChoice TaxTable::rateSetChoice(const TaxTableRecord& record, bool useDateRule, QDate today) {
    RateSetChoice choice;
    const std::string_view date(record.effectiveDate, ::strnlen(record.effectiveDate, 9));
    choice.effectiveYear = dateField(date, 0, 4);
    choice.effectiveMonth = dateField(date, 4, 2);
    choice.effectiveDay = dateField(date, 6, 2);
    choice.dateRule = useDateRule;
    if (!useDateRule)
        return choice;
    int year = choice.effectiveYear;
    int month = choice.effectiveMonth;
    if (choice.effectiveDay > 1 && ++month == 13) {
        month = 1;
        ++year;
    }
    choice.countsFromYear = year;
    choice.countsFromMonth = month;
    choice.monthsSince = (static_cast<long long>(today.year()) - year) * 12 + today.month() - month;
    choice.set = choice.monthsSince < 6 ? RateSet::Prior : RateSet::Current;
    return choice;
}

double TaxTable::generalRate(const TaxTableRecord& record, bool useDateRule) {
    return generalRate(record, todaysSet(record, useDateRule));
}

double TaxTable::foodRate(const TaxTableRecord& record, bool useDateRule) {
    return foodRate(record, todaysSet(record, useDateRule));
}

double TaxTable::purchaseGeneralRate(const TaxTableRecord& record, bool useDateRule) {
    return purchaseGeneralRate(record, todaysSet(record, useDateRule));
}

double TaxTable::purchaseFoodRate(const TaxTableRecord& record, bool useDateRule) {
    return purchaseFoodRate(record, todaysSet(record, useDateRule));
}

double TaxTable::generalRate(const TaxTableRecord& record, RateSet set) {
    return rateOf(set, record.currentGeneralRate, record.priorGeneralRate);
}

double TaxTable::foodRate(const TaxTableRecord& record, RateSet set) {
    return rateOf(set, record.currentFoodRate, record.priorFoodRate);
}

double TaxTable::purchaseGeneralRate(const TaxTableRecord& record, RateSet set) {
    return rateOf(set, record.currentPurchaseGeneralRate, record.priorPurchaseGeneralRate);
}

double TaxTable::purchaseFoodRate(const TaxTableRecord& record, RateSet set) {
    return rateOf(set, record.currentPurchaseFoodRate, record.priorPurchaseFoodRate);
}

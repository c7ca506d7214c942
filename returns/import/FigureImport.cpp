#include "returns/import/FigureImport.h"

#include "clients/ClientProfile.h"
#include "clients/ClientRecord.h"
#include "platform/FixedText.h"
#include "returns/entry/EntryChecks.h"
#include "returns/entry/EntrySteps.h"
#include "returns/import/CsvTable.h"
#include "returns/import/FigureLayout.h"
#include "returns/import/FigureText.h"
#include "returns/multisite/LocationResult.h"

#include <QHash>
#include <QLocale>
#include <QMap>
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace {
using EntryChecks::FoodMethod;
using EntrySteps::Field;
using EntrySteps::FieldKind;
using EntrySteps::Step;

// Longer header names are too far from any column name to suggest one.
constexpr qsizetype kLongestLikelyName = 40;

struct Column {
    enum class Role { Ignored, LocationNumber, Name, Entry };
    Role role = Role::Ignored;
    const Field* field = nullptr;
    size_t fieldNumber = 0; // of an entry column (FieldNumbers)
    QString label;          // "totalReceipts (C)"
};

// Every field of every step numbered in the steps' order: a row's checked cells are kept in a
// vector by these numbers instead of under their names.
class FieldNumbers {
public:
    FieldNumbers() {
        for (const Step& step : EntrySteps::all()) {
            firstOfStep_.push_back(count_);
            count_ += step.fields.size();
        }
    }
    size_t count() const { return count_; }
    size_t of(const Step& step, const Field& field) const {
        return firstOfStep_[size_t(&step - EntrySteps::all().data())] +
               size_t(&field - step.fields.data());
    }
    size_t of(const char* key) const {
        const Step* step = nullptr;
        const Field* field = EntrySteps::findField(QLatin1String(key), &step);
        return of(*step, *field);
    }

private:
    std::vector<size_t> firstOfStep_;
    size_t count_ = 0;
};

const FieldNumbers& fieldNumbers() {
    static const FieldNumbers numbers;
    return numbers;
}

// The steps a profile calls for, a bit for each in the steps' order.
using StepSet = std::uint32_t;

StepSet includedSteps(const ClientRecord& client) {
    StepSet steps = 0;
    const std::span<const Step> all = EntrySteps::all();
    for (size_t index = 0; index < all.size(); ++index) {
        if (EntrySteps::included(all[index], client))
            steps |= StepSet(1) << index;
    }
    return steps;
}

bool contains(StepSet steps, const Step& step) {
    return (steps >> size_t(&step - EntrySteps::all().data())) & 1;
}

// What a step stores for a field left empty: 0, or no text.
QJsonValue emptyValue(FieldKind kind) {
    switch (kind) {
    case FieldKind::Dollars:
        return 0.0;
    case FieldKind::WholeNumber:
    case FieldKind::Method:
        return qint64(0);
    case FieldKind::Text:
        break;
    }
    return QString();
}

// The entry sections of a row whose profile calls for `steps`, each with every field of those
// steps empty, and where each field stands in them. A row's figures are written in place into a
// copy: looking up and inserting each name would copy a section again for every field it gains.
class SectionsTemplate {
public:
    explicit SectionsTemplate(StepSet steps) {
        QMap<QString, QJsonObject> byName;
        for (const Step& step : EntrySteps::all()) {
            for (const Field& field : step.fields) {
                if (contains(steps, step))
                    byName[QLatin1String(field.section)][QLatin1String(field.key)] =
                        emptyValue(field.kind);
            }
        }
        byName[QStringLiteral("st1")][QStringLiteral("foodMethod")] = 0;
        for (auto section = byName.cbegin(); section != byName.cend(); ++section)
            entries_.insert(section.key(), section.value());
        for (auto section = entries_.constBegin(); section != entries_.constEnd(); ++section)
            sections_.push_back(section.value().toObject());
        slots_.resize(fieldNumbers().count());
        for (const Step& step : EntrySteps::all()) {
            for (const Field& field : step.fields) {
                if (contains(steps, step))
                    slots_[fieldNumbers().of(step, field)] = slotOf(field.section, field.key);
            }
        }
        foodMethod_ = slotOf("st1", "foodMethod");
        foodSalesInside_ = slotOf("st1", "foodSalesInside");
    }

    // The entries of a row: `valueOf(field, its number)` for each field of the steps (none for a
    // field left empty), and the food method.
    template <typename ValueOf>
    QJsonObject entries(const ValueOf& valueOf, FoodMethod method) const {
        std::vector<QJsonObject> sections = sections_;
        for (const Step& step : EntrySteps::all()) {
            for (const Field& field : step.fields) {
                const size_t number = fieldNumbers().of(step, field);
                const Slot slot = slots_[number];
                if (slot.section < 0)
                    continue;
                if (const std::optional<QJsonValue> value = valueOf(field, number))
                    set(sections, slot, *value);
            }
        }
        set(sections, foodMethod_, int(method));
        if (method == FoodMethod::TaxIncluded)
            set(sections, foodSalesInside_, 0);
        QJsonObject entries = entries_;
        QJsonObject::iterator section = entries.begin();
        for (const QJsonObject& filled : sections)
            *section++ = filled;
        return entries;
    }

private:
    struct Slot {
        qsizetype section = -1; // in the order of `entries_`; -1 for a field of a step left out
        qsizetype position = 0;
    };

    Slot slotOf(const char* sectionName, const char* key) const {
        const auto section = entries_.constFind(QLatin1String(sectionName));
        const QJsonObject& fields = sections_[size_t(section - entries_.constBegin())];
        return {section - entries_.constBegin(),
                fields.constFind(QLatin1String(key)) - fields.constBegin()};
    }

    static void set(std::vector<QJsonObject>& sections, Slot slot, const QJsonValue& value) {
        sections[size_t(slot.section)].begin()[slot.position] = value;
    }

    QJsonObject entries_;
    std::vector<QJsonObject> sections_;
    std::vector<Slot> slots_; // by field number
    Slot foodMethod_;
    Slot foodSalesInside_;
};

// The template of `steps`, made once while the program runs (files may be read on any thread).
const SectionsTemplate& sectionsTemplate(StepSet steps) {
    static std::mutex guard;
    static std::map<StepSet, SectionsTemplate> made;
    const std::lock_guard lock(guard);
    auto known = made.find(steps);
    if (known == made.end())
        known = made.emplace(steps, SectionsTemplate(steps)).first;
    return known->second;
}

// One checked cell of an entry field.
struct Value {
    QString text;       // as found, without surrounding spaces
    bool valid = false; // the cell passed its field's check
    double number = 0;  // amounts, counts and methods (0 to 2)
};

QString columnLetters(int index) {
    QString letters;
    for (int rest = index + 1; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(QChar(u'A' + (rest - 1) % 26));
    return letters;
}

// A name with capitals, spaces and punctuation left out: "Total Receipts" gives "totalreceipts".
QString simplified(const QString& name) {
    QString letters;
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            letters += c.toLower();
    }
    return letters;
}

int editDistance(const QString& a, const QString& b) {
    std::vector<int> previous(size_t(b.size()) + 1);
    for (size_t j = 0; j < previous.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 0; i < a.size(); ++i) {
        std::vector<int> current(previous.size());
        current[0] = int(i) + 1;
        for (qsizetype j = 0; j < b.size(); ++j)
            current[size_t(j) + 1] = std::min({previous[size_t(j) + 1] + 1, current[size_t(j)] + 1,
                                               previous[size_t(j)] + (a[i] == b[j] ? 0 : 1)});
        previous = std::move(current);
    }
    return previous.back();
}

QStringList knownNames() {
    QStringList names = {QLatin1String(FigureLayout::kLocationNumber),
                         QLatin1String(FigureLayout::kName)};
    for (const Step& step : EntrySteps::all()) {
        for (const Field& field : step.fields)
            names << QLatin1String(field.key);
    }
    return names;
}

// The known name an unknown header most likely meant, or empty.
QString likelyMeant(const QString& header) {
    const QString wanted = simplified(header);
    if (wanted.size() > kLongestLikelyName)
        return {};
    QString best;
    int bestDistance = 3;
    for (const QString& name : knownNames()) {
        const int distance = editDistance(wanted, name.toLower());
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

QString dollarsText(double amount) {
    return QStringLiteral("$") + QLocale(QLocale::English, QLocale::UnitedStates)
                                     .toString(amount, 'f', AmountText::kDecimals);
}

QString shownValue(const QString& text) {
    return text.isEmpty() ? QStringLiteral("(empty)") : text;
}

const char* const kMethodExpected = "1, 2 or 3 (the method of the step), or empty for 1";
// A file whose every cell is wrong would list too many to read: the list stops here.
constexpr size_t kMostProblems = 1000;

class FigureChecker {
public:
    FigureChecker(const ClientRecord& client, FigureImport& result)
        : client_(client), result_(result), multiSite_(client.multiSite == 1),
          values_(fieldNumbers().count()), inFile_(fieldNumbers().count()),
          totalReceipts_(fieldNumbers().of("totalReceipts")),
          foodSalesInside_(fieldNumbers().of("foodSalesInside")),
          foodEntered_(fieldNumbers().of("foodEntered")) {
        if (multiSite_) {
            siteClient_ = std::make_unique<ClientRecord>();
            initClientRecord(*siteClient_);
        }
    }

    void check(const CsvTable& table) {
        const std::vector<QStringList>& rows = table.rows;
        if (rows.empty() || !readHeader(rows.front(), rows))
            return;
        std::vector<size_t> figureRows;
        for (size_t index = 1; index < rows.size(); ++index) {
            if (!isBlank(rows[index]))
                figureRows.push_back(index);
        }
        if (figureRows.empty()) {
            result_.fileProblem =
                QStringLiteral("The file has no row of figures under its header.");
            return;
        }
        if (!multiSite_)
            refuseRowsAfterFirst(figureRows);
        for (const size_t index : figureRows)
            checkRow(int(index) + 1, rows[index]);
        if (multiSite_)
            refuseMissingLocations();
        std::ranges::sort(result_.rows, {}, &ImportedRow::location);
    }

private:
    static bool isBlank(const QStringList& cells) {
        return std::ranges::all_of(cells,
                                   [](const QString& cell) { return cell.trimmed().isEmpty(); });
    }

    void problem(int row, const QString& column, const QString& found, const QString& expected) {
        if (result_.problems.size() < kMostProblems)
            result_.problems.push_back({row, column, found, expected});
        else if (result_.problems.size() == kMostProblems)
            result_.problems.push_back(
                {0,
                 {},
                 QStringLiteral("more problems"),
                 QStringLiteral("the first %1 problems are listed: correct them and import the "
                                "file again to see the rest")
                     .arg(kMostProblems)});
    }

    // The header row: every name known and named once, the required columns present. False
    // when the row is no header at all or a required column is missing.
    bool readHeader(const QStringList& header, const std::vector<QStringList>& rows) {
        QHash<QString, QString> byLowerName;
        for (const QString& name : knownNames())
            byLowerName.insert(name.toLower(), name);
        QHash<QString, int> seen;
        int known = 0;
        for (int index = 0; index < header.size(); ++index) {
            const QString name = header[index].trimmed();
            const QString label = QStringLiteral("%1 (%2)").arg(name, columnLetters(index));
            Column column;
            column.label = label;
            const QString knownName = byLowerName.value(name.toLower());
            if (name.isEmpty()) {
                if (columnHasData(rows, index))
                    problem(1, columnLetters(index), QStringLiteral("(empty)"),
                            QStringLiteral("a column name above the column's cells"));
            } else if (knownName.isEmpty()) {
                const QString meant = likelyMeant(name);
                problem(1, label, name,
                        meant.isEmpty()
                            ? QStringLiteral("a column name of the layout (see File Layout)")
                            : QStringLiteral("a column name of the layout: %1?").arg(meant));
            } else if (seen.contains(knownName)) {
                problem(1, label, name,
                        QStringLiteral("each column once; %1 is also column %2")
                            .arg(knownName, columnLetters(seen.value(knownName))));
            } else {
                seen.insert(knownName, index);
                ++known;
                describeColumn(column, knownName);
            }
            columns_.push_back(column);
        }
        if (known == 0) {
            result_.problems.clear();
            result_.fileProblem =
                QStringLiteral("The first row is not the header of a file of figures: it must "
                               "name the columns, such as totalReceipts. File > Save Import "
                               "Template writes a file with the header this client needs.");
            return false;
        }
        bool complete = true;
        if (!seen.contains(QStringLiteral("totalReceipts"))) {
            problem(1, {}, QStringLiteral("no column totalReceipts"),
                    QStringLiteral("a column totalReceipts: the total receipts of every row"));
            complete = false;
        }
        if (multiSite_ && !seen.contains(QLatin1String(FigureLayout::kLocationNumber)) &&
            !seen.contains(QLatin1String(FigureLayout::kName))) {
            problem(1, {}, QStringLiteral("no column locationNumber or name"),
                    QStringLiteral("a column locationNumber or name that says which location "
                                   "each row is for"));
            complete = false;
        }
        return complete;
    }

    static bool columnHasData(const std::vector<QStringList>& rows, int index) {
        return std::ranges::any_of(rows, [index](const QStringList& cells) {
            return !cells.value(index).trimmed().isEmpty();
        });
    }

    void describeColumn(Column& column, const QString& name) {
        if (name == QLatin1String(FigureLayout::kLocationNumber)) {
            column.role = Column::Role::LocationNumber;
        } else if (name == QLatin1String(FigureLayout::kName)) {
            column.role = Column::Role::Name;
        } else {
            column.role = Column::Role::Entry;
            const Step* step = nullptr;
            column.field = EntrySteps::findField(name, &step);
            column.fieldNumber = fieldNumbers().of(*step, *column.field);
            inFile_[column.fieldNumber] = true;
        }
    }

    QString cellOf(const QStringList& cells, Column::Role role) const {
        for (size_t index = 0; index < columns_.size(); ++index) {
            if (columns_[index].role == role)
                return cells.value(qsizetype(index)).trimmed();
        }
        return {};
    }

    QString columnLabel(Column::Role role) const {
        for (const Column& column : columns_) {
            if (column.role == role)
                return column.label;
        }
        return {};
    }

    void checkRow(int fileRow, const QStringList& cells) {
        checkExtraCells(fileRow, cells);
        const std::optional<int> location = identify(fileRow, cells);
        const StepSet steps = includedSteps(siteClient(location));
        const size_t problemsBefore = result_.problems.size();
        readValues(fileRow, cells);
        const bool profileKnown = !multiSite_ || location.has_value();
        for (const Step& step : EntrySteps::all()) {
            if (profileKnown && !contains(steps, step))
                refuseLeftOutStep(fileRow, step);
        }
        checkTotalReceipts(fileRow);
        const std::optional<FoodMethod> foodMethod = checkFood(fileRow);
        for (const Step& step : EntrySteps::all()) {
            if (step.sumBelowTotalReceipts && contains(steps, step))
                checkSum(fileRow, step);
        }
        if (result_.problems.size() == problemsBefore && location && foodMethod)
            result_.rows.push_back({*location, fileRow, entriesOf(steps, *foodMethod)});
    }

    // The client record whose profile the row's figures are for: a location's own profile
    // (that is all the steps look at, so one record serves every row), or the client's.
    const ClientRecord& siteClient(std::optional<int> location) {
        if (!multiSite_ || !location)
            return client_;
        ClientProfile::copyForLocation(client_, client_.locations[*location], *siteClient_);
        return *siteClient_;
    }

    void checkExtraCells(int fileRow, const QStringList& cells) {
        for (qsizetype index = qsizetype(columns_.size()); index < cells.size(); ++index) {
            if (cells[index].trimmed().isEmpty())
                continue;
            problem(fileRow, columnLetters(int(index)), cells[index].trimmed(),
                    QStringLiteral("no cell beyond the %1 columns of the header (in a "
                                   "comma-separated file an amount with commas stands in "
                                   "quotes: \"1,234.56\")")
                        .arg(columns_.size()));
            return;
        }
    }

    // The location the row is for (0 for a single-site client), or none after a problem.
    std::optional<int> identify(int fileRow, const QStringList& cells) {
        const QString name = cellOf(cells, Column::Role::Name);
        if (!multiSite_) {
            const QString clientName = FixedText::get(client_.businessName).trimmed();
            if (!name.isEmpty() && name.compare(clientName, Qt::CaseInsensitive) != 0) {
                problem(fileRow, columnLabel(Column::Role::Name), name,
                        QStringLiteral("this client's name, \"%1\", or an empty cell (is the "
                                       "file for another client?)")
                            .arg(clientName));
                return std::nullopt;
            }
            return 0;
        }
        const QString number = cellOf(cells, Column::Role::LocationNumber);
        if (name.isEmpty() && number.isEmpty()) {
            problem(fileRow, {}, QStringLiteral("no location number or name"),
                    QStringLiteral("the location's number or name"));
            return std::nullopt;
        }
        const std::optional<int> location = locationOf(fileRow, number, name);
        if (!location)
            return std::nullopt;
        const auto [earlier, isNew] = rowOfLocation_.try_emplace(*location, fileRow);
        if (!isNew) {
            problem(fileRow, {}, describeLocation(*location),
                    QStringLiteral("one row per location; this location is also on row %1")
                        .arg(earlier->second));
            return std::nullopt;
        }
        return location;
    }

    QString describeLocation(int location) const {
        return QStringLiteral("location %1 \"%2\"")
            .arg(locationDisplayNumber(client_.locations[location], location))
            .arg(locationName(location));
    }

    QString locationName(int location) const {
        return FixedText::get(client_.locations[location].name).trimmed();
    }

    // The one location with the row's number (as the locations step shows it) and name, where
    // the row gives them; none, after a problem, when no location or several have them.
    std::optional<int> locationOf(int fileRow, const QString& number, const QString& name) {
        bool isNumber = number.isEmpty();
        const int wanted = number.isEmpty() ? 0 : number.toInt(&isNumber);
        std::vector<int> numbered;
        for (int row = 0; isNumber && row < locationCount(); ++row) {
            if (number.isEmpty() || locationDisplayNumber(client_.locations[row], row) == wanted)
                numbered.push_back(row);
        }
        if (numbered.empty()) {
            problem(fileRow, columnLabel(Column::Role::LocationNumber), number,
                    QStringLiteral("the number of one of the client's locations, as the "
                                   "locations step shows it"));
            return std::nullopt;
        }
        std::vector<int> matches;
        for (const int row : numbered) {
            if (name.isEmpty() || name.compare(locationName(row), Qt::CaseInsensitive) == 0)
                matches.push_back(row);
        }
        if (matches.size() == 1)
            return matches.front();
        if (matches.empty() && !number.isEmpty() && numbered.size() == 1)
            problem(fileRow, columnLabel(Column::Role::Name), name,
                    QStringLiteral("\"%1\", the name of location %2 (or an empty cell)")
                        .arg(locationName(numbered.front()), number));
        else if (matches.empty())
            problem(fileRow, columnLabel(Column::Role::Name), name,
                    QStringLiteral("the name of one of the client's locations"));
        else
            problem(fileRow, {}, number + QLatin1Char(' ') + name,
                    QStringLiteral("a number and name that only one location has (%1 locations "
                                   "have them)")
                        .arg(matches.size()));
        return std::nullopt;
    }

    int locationCount() const { return std::clamp(client_.locationCount, 0, kMaxLocations); }

    // Every entry cell of the row checked by its field's kind, into `values_`.
    void readValues(int fileRow, const QStringList& cells) {
        std::ranges::fill(values_, Value());
        for (size_t index = 0; index < columns_.size(); ++index) {
            const Column& column = columns_[index];
            if (column.role != Column::Role::Entry)
                continue;
            Value& value = values_[column.fieldNumber];
            value.text = cells.value(qsizetype(index)).trimmed();
            const QString expected = readValue(*column.field, value);
            if (!expected.isEmpty())
                problem(fileRow, column.label, shownValue(value.text), expected);
        }
    }

    // Checks and reads one cell; what was expected when it fails. An empty cell is an empty
    // field, 0 or no text, whatever its kind.
    static QString readValue(const Field& field, Value& value) {
        if (value.text.isEmpty()) {
            value.valid = true;
            return {};
        }
        switch (field.kind) {
        case FieldKind::Dollars:
        case FieldKind::WholeNumber: {
            const AmountText::Reading reading =
                AmountText::readSpreadsheetAmount(value.text, EntrySteps::amountKind(field.kind));
            if (!reading.value)
                return reading.expected;
            value.number = *reading.value;
            break;
        }
        case FieldKind::Text:
            if (value.text.contains(QLatin1Char('\n')) || value.text.contains(QLatin1Char('\r')))
                return QStringLiteral("one line of text");
            break;
        case FieldKind::Method: {
            static const QStringList methods = {QString(), QStringLiteral("1"), QStringLiteral("2"),
                                                QStringLiteral("3")};
            const qsizetype method = methods.indexOf(value.text);
            if (method < 0)
                return QLatin1String(kMethodExpected);
            value.number = double(std::max<qsizetype>(method - 1, 0));
            break;
        }
        }
        value.valid = true;
        return {};
    }

    // The row's entry sections: the fields of `steps` as those steps store them.
    QJsonObject entriesOf(StepSet steps, FoodMethod foodMethod) {
        return sectionsTemplate(steps).entries(
            [this](const Field& field, size_t number) -> std::optional<QJsonValue> {
                const Value& value = values_[number];
                if (&field == totalReceiptsField())
                    return EntryChecks::storedTotalReceipts(value.number);
                switch (field.kind) {
                case FieldKind::Dollars:
                    return value.number == 0 ? std::nullopt
                                             : std::optional<QJsonValue>(value.number);
                case FieldKind::WholeNumber:
                case FieldKind::Method:
                    return qint64(value.number) == 0
                               ? std::nullopt
                               : std::optional<QJsonValue>(qint64(value.number));
                case FieldKind::Text:
                    break;
                }
                return value.text.isEmpty() ? std::nullopt : std::optional<QJsonValue>(value.text);
            },
            foodMethod);
    }

    // A step the profile does not call for takes nothing: a figure in its columns would be lost.
    void refuseLeftOutStep(int fileRow, const Step& step) {
        for (const Field& field : step.fields) {
            const Value& value = values_[fieldNumbers().of(step, field)];
            const bool empty = value.text.isEmpty() ||
                               (value.valid && value.number == 0 && field.kind != FieldKind::Text);
            if (empty)
                continue;
            problem(fileRow, labelOf(field), value.text,
                    QStringLiteral("an empty cell or 0: %1")
                        .arg(EntrySteps::missingCondition(step.condition)));
        }
    }

    static const Field* totalReceiptsField() {
        static const Field* const field = EntrySteps::findField(QStringLiteral("totalReceipts"));
        return field;
    }

    QString labelOf(const Field& field) const {
        for (const Column& column : columns_) {
            if (column.field == &field)
                return column.label;
        }
        return QLatin1String(field.key);
    }

    void checkTotalReceipts(int fileRow) {
        const Value& total = values_[totalReceipts_];
        if (total.text.isEmpty())
            problem(fileRow, labelOf(*totalReceiptsField()), shownValue(total.text),
                    QStringLiteral("the total receipts of the period (0 when there were none)"));
    }

    // The stored total receipts, when the cell passed its check.
    std::optional<double> storedTotal() const {
        const Value& total = values_[totalReceipts_];
        if (!total.valid || total.text.isEmpty())
            return std::nullopt;
        return EntryChecks::storedTotalReceipts(total.number);
    }

    // The food step: one of its two amounts, within the bounds of its method. The method the
    // row's amount is for, or none when the two amounts cannot be told apart.
    std::optional<FoodMethod> checkFood(int fileRow) {
        const Value& base = values_[foodSalesInside_];
        const Value& withTax = values_[foodEntered_];
        const std::optional<double> total = storedTotal();
        if (!base.valid && !base.text.isEmpty())
            return std::nullopt;
        if (!withTax.valid && !withTax.text.isEmpty())
            return std::nullopt;
        const Field* baseField = EntrySteps::findField(QStringLiteral("foodSalesInside"));
        const Field* withTaxField = EntrySteps::findField(QStringLiteral("foodEntered"));
        if (base.number != 0 && withTax.number != 0) {
            problem(fileRow, labelOf(*baseField) + QStringLiteral(", ") + labelOf(*withTaxField),
                    base.text + QStringLiteral(" and ") + withTax.text,
                    QStringLiteral("one of the two: foodSalesInside without the sales tax or "
                                   "foodEntered with it"));
            return std::nullopt;
        }
        const FoodMethod method =
            withTax.number != 0 ? FoodMethod::TaxIncluded : FoodMethod::TaxExcluded;
        const Value& amount = method == FoodMethod::TaxIncluded ? withTax : base;
        if (!total)
            return method;
        const QString refusal = EntryChecks::foodRefusal(method, amount.number, *total);
        if (!refusal.isEmpty())
            problem(
                fileRow, labelOf(method == FoodMethod::TaxIncluded ? *withTaxField : *baseField),
                amount.text,
                QStringLiteral("%1 (the total receipts are %2)").arg(refusal, dollarsText(*total)));
        return method;
    }

    // A step whose amounts must stay below the total receipts.
    void checkSum(int fileRow, const Step& step) {
        const std::optional<double> total = storedTotal();
        if (!total)
            return;
        double sum = 0;
        for (const Field& field : step.fields) {
            if (field.kind != FieldKind::Dollars)
                continue;
            const size_t number = fieldNumbers().of(step, field);
            // A column left out of the file counts as an empty field.
            const Value& value = inFile_[number] ? values_[number] : kEmptyField;
            if (!value.valid)
                return;
            sum += value.number;
        }
        if (EntryChecks::sumBelowTotalReceipts(sum, *total))
            return;
        QStringList names;
        for (const Field& field : step.fields) {
            if (field.kind == FieldKind::Dollars)
                names << QLatin1String(field.key);
        }
        problem(fileRow, names.join(QStringLiteral(" + ")),
                QStringLiteral("a sum of %1").arg(dollarsText(sum)),
                QStringLiteral("less than the total receipts, %1: \"%2\"")
                    .arg(dollarsText(*total), QLatin1String(EntryChecks::kPageSumMessage)));
    }

    // A single-site client takes the figures of one row.
    void refuseRowsAfterFirst(std::vector<size_t>& figureRows) {
        for (size_t extra = 1; extra < figureRows.size(); ++extra)
            problem(int(figureRows[extra]) + 1, {}, QStringLiteral("another row of figures"),
                    QStringLiteral("one row of figures: the client has one location (its "
                                   "figures are on row %1)")
                        .arg(figureRows.front() + 1));
        figureRows.erase(figureRows.begin() + 1, figureRows.end());
    }

    // A multi-site client takes a row for each of its locations.
    void refuseMissingLocations() {
        for (int location = 0; location < locationCount(); ++location) {
            if (!rowOfLocation_.contains(location))
                problem(0, {}, QStringLiteral("no row for %1").arg(describeLocation(location)),
                        QStringLiteral("a row for every location of the client"));
        }
    }

    // A field whose column the file lacks, in a sum.
    static inline const Value kEmptyField{{}, true, 0};

    const ClientRecord& client_;
    FigureImport& result_;
    const bool multiSite_;
    std::vector<Column> columns_;
    std::map<int, int> rowOfLocation_;         // location -> the file row that has it
    std::unique_ptr<ClientRecord> siteClient_; // a location's profile (multi-site)
    std::vector<Value> values_;                // the row's checked cells by field number
    std::vector<bool> inFile_;                 // by field number: the file has its column
    const size_t totalReceipts_;
    const size_t foodSalesInside_;
    const size_t foodEntered_;
};

FigureImport checkDecoded(const FigureText::Decoded& decoded, const ClientRecord& client) {
    FigureImport result;
    result.fileProblem = decoded.problem;
    if (!result.fileProblem.isEmpty())
        return result;
    result.encoding = decoded.encoding;
    const CsvTable table = parseCsv(decoded.text);
    result.separator = table.separator;
    result.fileProblem = table.problem;
    if (result.fileProblem.isEmpty())
        FigureChecker(client, result).check(table);
    return result;
}
} // namespace

FigureImport readFigureFile(const QString& path, const ClientRecord& client) {
    return checkDecoded(FigureText::readFile(path), client);
}

FigureImport readFigureBytes(const QByteArray& bytes, const ClientRecord& client) {
    return checkDecoded(FigureText::decode(bytes), client);
}

#include "returns/import/CsvTable.h"

#include <array>

namespace {
const QChar kQuote = QLatin1Char('"');

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The separator of the first record: the most frequent of comma, semicolon and tab outside
// quotes; a comma on a tie or when none occurs.
QChar detectSeparator(const QString& text) {
    const std::array<QChar, 3> candidates = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == kQuote)
            quoted = !quoted;
        else if (!quoted && isLineBreak(c))
            break;
        else if (!quoted) {
            for (std::size_t index = 0; index < candidates.size(); ++index)
                counts[index] += c == candidates[index] ? 1 : 0;
        }
    }
    std::size_t best = 0;
    for (std::size_t index = 1; index < candidates.size(); ++index) {
        if (counts[index] > counts[best])
            best = index;
    }
    return candidates[best];
}

// Reads the records of `text` one cell at a time.
class CsvReader {
public:
    CsvReader(const QString& text, CsvTable& table) : text_(text), table_(table) {}

    void read() {
        while (at_ < text_.size()) {
            readCell();
            if (!table_.problem.isEmpty())
                return;
        }
        if (!row_.isEmpty() || !cell_.isEmpty())
            endRecord();
    }

private:
    void readCell() {
        if (text_[at_] == kQuote && cell_.isEmpty()) {
            readQuoted();
            if (!table_.problem.isEmpty())
                return;
        }
        // The rest of the cell is taken at once, up to its separator or line break.
        const qsizetype start = at_;
        while (at_ < text_.size() && text_[at_] != table_.separator && !isLineBreak(text_[at_]))
            ++at_;
        cell_ += QStringView(text_).sliced(start, at_ - start);
        if (at_ == text_.size())
            return;
        const QChar c = text_[at_];
        if (c == table_.separator) {
            ++at_;
            endCell();
            return;
        }
        at_ += (c == QLatin1Char('\r') && at_ + 1 < text_.size() &&
                text_[at_ + 1] == QLatin1Char('\n'))
                   ? 2
                   : 1;
        endRecord();
    }

    // A cell in quotes, up to its closing quote; a doubled quote stands for one.
    void readQuoted() {
        const int openedOnRow = int(table_.rows.size()) + 1;
        ++at_;
        while (at_ < text_.size()) {
            const QChar c = text_[at_++];
            if (c != kQuote) {
                cell_ += c;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == kQuote) {
                cell_ += kQuote;
                ++at_;
                continue;
            }
            return;
        }
        table_.problem =
            QStringLiteral("A quote (\") opened on row %1 is never closed.").arg(openedOnRow);
        table_.problemRow = openedOnRow;
    }

    void endCell() {
        row_.append(std::move(cell_));
        cell_ = QString();
    }

    // The next record is given room for as many cells as this one had.
    void endRecord() {
        endCell();
        const qsizetype cells = row_.size();
        table_.rows.push_back(std::move(row_));
        row_ = QStringList();
        row_.reserve(cells);
    }

    const QString& text_;
    CsvTable& table_;
    qsizetype at_ = 0;
    QStringList row_;
    QString cell_;
};

QString quotedIfNeeded(const QString& cell, QChar separator) {
    const bool needsQuotes = cell.contains(separator) || cell.contains(kQuote) ||
                             cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')) ||
                             cell != cell.trimmed();
    if (!needsQuotes)
        return cell;
    QString quoted = cell;
    quoted.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + quoted + kQuote;
}
} // namespace

CsvTable parseCsv(const QString& text) {
    CsvTable table;
    table.separator = detectSeparator(text);
    CsvReader(text, table).read();
    return table;
}

QString formatCsv(const std::vector<QStringList>& rows, QChar separator) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << quotedIfNeeded(cell, separator);
        text += cells.join(separator) + QStringLiteral("\r\n");
    }
    return text;
}

#include "forms/report/ReportPages.h"

#include "forms/EmfFonts.h"
#include "forms/EmfFormat.h"
#include "forms/EmfPlayer.h"
#include "forms/EmfWriter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPoint>
#include <algorithm>
#include <array>
#include <numeric>

namespace {
constexpr int kUnitsPerInch = 288;
constexpr QSize kLetterPage(8.5 * kUnitsPerInch, 11 * kUnitsPerInch);
constexpr int kColumnGap = kUnitsPerInch * 3 / 10;
constexpr int kIndent = kUnitsPerInch / 5;
constexpr int kTableGap = kUnitsPerInch / 10; // between a table's columns

// Points to logical units: a font's em height.
constexpr int points(double size) {
    return int(size * kUnitsPerInch / 72);
}

enum Style { kTitle, kHeading, kSubheading, kBody, kBold, kFooter, kStyles };

using Fonts = std::array<EmfFont, kStyles>;

// The fonts of a document; a compact one has smaller text, so that a filing sheet of a dozen
// locations fits one page.
Fonts fontsOf(const ReportDocument& document) {
    const double text = document.compact ? 6.5 : 9;
    return {EmfFont{QStringLiteral("Arial"), -points(document.compact ? 13 : 15), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(text + 3), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(text + 1), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(text), Emf::kWeightNormal},
            EmfFont{QStringLiteral("Arial"), -points(text), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(document.compact ? 6.5 : 7.5),
                    Emf::kWeightNormal}};
}

// Margins of three quarters of an inch, half an inch on a compact document.
int marginOf(const ReportDocument& document) {
    return document.compact ? kUnitsPerInch / 2 : kUnitsPerInch * 3 / 4;
}

// A line of text placed on a page: its baseline's left end.
struct PlacedText {
    QPoint at;
    Style style;
    QString text;
};

struct PlacedFrame {
    QRect box;
};

struct Page {
    std::vector<PlacedText> texts;
    std::vector<PlacedFrame> frames;
    std::vector<std::pair<QPoint, QPoint>> rules;
};

// The columns of a table band: the row labels' width and, for each value column from
// `first` to before `last`, its right end.
struct Band {
    int labelWidth;
    qsizetype first;
    qsizetype last;
    std::vector<int> rightEnds;
};

class Layout {
public:
    explicit Layout(const ReportDocument& document)
        : document_(document), fonts_(fontsOf(document)), margin_(marginOf(document)),
          right_(kLetterPage.width() - margin_), bottom_(kLetterPage.height() - margin_),
          leading_(document.compact ? 115 : 130) {}

    std::vector<Page> lay() {
        pages_.emplace_back();
        placeTitle();
        for (size_t index = 0; index < document_.blocks.size(); ++index)
            place(document_.blocks[index],
                  index + 1 < document_.blocks.size() ? &document_.blocks[index + 1] : nullptr);
        placeFooters();
        return std::move(pages_);
    }

private:
    int width(Style style, const QString& text) {
        const QList<qint32> advances = EmfFonts::designAdvances(fonts_[style], text);
        return std::accumulate(advances.begin(), advances.end(), 0);
    }

    int lineHeight(Style style) const { return -fonts_[style].height * leading_ / 100; }
    // The space above each row, so that rows of one line stay apart.
    int rowSpace() const { return lineHeight(kBody) / (document_.compact ? 12 : 5); }
    int contentWidth() const { return right_ - margin_; }

    // The text broken into lines no wider than `room`; a word wider than that is broken
    // where it must be.
    QStringList wrap(Style style, const QString& text, int room) {
        QStringList lines;
        QString line;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (width(style, longer) <= room) {
                line = longer;
                continue;
            }
            if (!line.isEmpty())
                lines << line;
            line = word;
            while (width(style, line) > room && line.size() > 1) {
                qsizetype fits = line.size() - 1;
                while (fits > 1 && width(style, line.left(fits)) > room)
                    --fits;
                lines << line.left(fits);
                line = line.mid(fits);
            }
        }
        if (!line.isEmpty() || lines.isEmpty())
            lines << line;
        return lines;
    }

    void newPage() {
        pages_.emplace_back();
        top_ = margin_;
        y_ = margin_;
    }

    // Makes room for `height` more below the current line.
    void ensureRoom(int height) {
        if (y_ + height > bottom_ && y_ > top_)
            newPage();
    }

    // A line of text whose line box ends at `bottom`.
    void textAt(int x, int bottom, Style style, const QString& line) {
        pages_.back().texts.push_back({QPoint(x, bottom - lineHeight(style) / 4), style, line});
    }
    void text(int x, Style style, const QString& line) { textAt(x, y_, style, line); }

    void placeTitle() {
        y_ = margin_ + lineHeight(kTitle);
        text(margin_, kTitle, document_.title);
        for (const QString& line : document_.heading) {
            y_ += lineHeight(kBody);
            text(margin_, kBody, line);
        }
        y_ += lineHeight(kBody) / 2;
        pages_.back().rules.push_back({QPoint(margin_, y_), QPoint(right_, y_)});
        y_ += lineHeight(kBody) / 4;
        top_ = y_;
    }

    // Lines of one style at the left margin plus `indent`, each moving down a line.
    void lines(Style style, const QStringList& wrapped, int indent) {
        for (const QString& line : wrapped) {
            ensureRoom(lineHeight(style));
            y_ += lineHeight(style);
            text(margin_ + indent, style, line);
        }
    }

    // A heading stays with at least two lines of what follows it.
    void heading(Style style, const QString& title) {
        const int space = lineHeight(kBody) / 2;
        ensureRoom(space + lineHeight(style) + 2 * lineHeight(kBody));
        if (y_ > top_)
            y_ += space;
        lines(style, wrap(style, title, contentWidth()), 0);
    }

    void row(const ReportBlock& block, const ReportBlock* next) {
        const int valueWidth = block.value.isEmpty() ? 0 : width(kBold, block.value);
        const QStringList label = wrap(kBody, block.text, contentWidth() - valueWidth - kIndent);
        const bool withParagraph = next && next->kind == ReportBlock::Kind::Paragraph;
        ensureRoom(int(label.size() + (withParagraph ? 1 : 0)) * lineHeight(kBody));
        y_ += rowSpace();
        lines(kBody, label.mid(0, 1), 0);
        if (!block.value.isEmpty())
            text(right_ - valueWidth, kBold, block.value);
        lines(kBody, label.mid(1), 0);
    }

    void notice(const QString& words) {
        const int padding = kIndent / 2;
        const QStringList wrapped = wrap(kBold, words, contentWidth() - 2 * padding);
        const int height = int(wrapped.size()) * lineHeight(kBold) + 2 * padding;
        ensureRoom(height + lineHeight(kBody));
        y_ += lineHeight(kBody) / 2;
        const int top = y_;
        y_ += padding;
        lines(kBold, wrapped, padding);
        y_ += padding;
        pages_.back().frames.push_back(
            {QRect(QPoint(margin_, top), QPoint(right_, y_ + padding / 2))});
        y_ += padding / 2;
    }

    // The most lines a label of the grid row takes, in a grid of `rows` rows laid down each
    // of its columns from the label `first` on.
    static qsizetype tallest(const std::vector<QStringList>& labels, size_t first, size_t rows,
                             int columns, size_t row) {
        qsizetype lines = 1;
        for (size_t at = first + row; at < labels.size() && at < first + rows * size_t(columns);
             at += rows)
            lines = std::max(lines, labels[at].size());
        return lines;
    }

    int gridHeight(const std::vector<QStringList>& labels, size_t first, size_t rows,
                   int columns) const {
        int height = 0;
        for (size_t row = 0; row < rows; ++row)
            height +=
                rowSpace() + int(tallest(labels, first, rows, columns, row)) * lineHeight(kBody);
        return height;
    }

    // Labels with their values, filling the columns evenly down each and then across; what
    // does not fit the page continues on the next.
    void fields(const ReportBlock& block) {
        const int columns = std::max(1, block.columns);
        const int cellWidth = (contentWidth() - kColumnGap * (columns - 1)) / columns;
        std::vector<QStringList> labels;
        for (const QStringList& cell : block.cells)
            labels.push_back(
                wrap(kBody, cell.value(0), cellWidth - width(kBold, cell.value(1)) - kIndent));
        for (size_t first = 0; first < labels.size();) {
            size_t rows = (labels.size() - first + size_t(columns) - 1) / size_t(columns);
            while (rows > 1 && y_ + gridHeight(labels, first, rows, columns) > bottom_)
                --rows;
            if (y_ + gridHeight(labels, first, rows, columns) > bottom_ && y_ > top_) {
                newPage();
                continue;
            }
            for (size_t row = 0; row < rows; ++row) {
                y_ += rowSpace();
                for (size_t at = first + row, column = 0;
                     at < labels.size() && column < size_t(columns); at += rows, ++column) {
                    const int left = margin_ + int(column) * (cellWidth + kColumnGap);
                    const QString& value = block.cells[at].value(1);
                    textAt(left + cellWidth - width(kBold, value), y_ + lineHeight(kBody), kBold,
                           value);
                    for (qsizetype line = 0; line < labels[at].size(); ++line)
                        textAt(left, y_ + int(line + 1) * lineHeight(kBody), kBody,
                               labels[at][line]);
                }
                y_ += int(tallest(labels, first, rows, columns, row)) * lineHeight(kBody);
            }
            first += rows * size_t(columns);
        }
    }

    // The header's value columns from `first` on that fit beside the labels, each as wide as
    // its widest text; always at least one.
    Band band(const std::vector<int>& widths, int labelWidth, qsizetype first) const {
        Band band{labelWidth, first, first, {}};
        int right = margin_ + labelWidth;
        while (band.last < qsizetype(widths.size()) &&
               (band.last == first || right + kTableGap + widths[size_t(band.last)] <= right_)) {
            right += kTableGap + widths[size_t(band.last)];
            band.rightEnds.push_back(right);
            ++band.last;
        }
        return band;
    }

    // One row of a table band: the label wrapped at the left, the values at their columns'
    // right ends.
    void tableRow(const Band& band, const QStringList& cells, Style style) {
        const QStringList label = wrap(style, cells.value(0), band.labelWidth);
        const int height = rowSpace() + int(label.size()) * lineHeight(kBody);
        y_ += rowSpace();
        for (qsizetype line = 0; line < label.size(); ++line)
            textAt(margin_, y_ + int(line + 1) * lineHeight(kBody), style, label[line]);
        for (qsizetype column = band.first; column < band.last; ++column) {
            const QString& value = cells.value(column);
            textAt(band.rightEnds[size_t(column - band.first)] - width(style, value),
                   y_ + lineHeight(kBody), style, value);
        }
        y_ += height - rowSpace();
    }

    void tableHeader(const Band& band, const QStringList& header) {
        tableRow(band, header, kBold);
        y_ += rowSpace();
        pages_.back().rules.push_back({QPoint(margin_, y_), QPoint(band.rightEnds.back(), y_)});
    }

    // A table: its rows under its header, in as many bands of columns as the page's width
    // needs, the header repeated at the top of a page the rows continue on.
    void table(const ReportBlock& block) {
        if (block.cells.empty())
            return;
        const QStringList& header = block.cells.front();
        std::vector<int> widths(size_t(header.size()), 0);
        int labelWidth = 0;
        for (size_t row = 0; row < block.cells.size(); ++row) {
            const Style style = row == 0 ? kBold : kBody;
            const QStringList& cells = block.cells[row];
            labelWidth = std::max(labelWidth, width(style, cells.value(0)));
            for (qsizetype column = 1; column < header.size(); ++column)
                widths[size_t(column)] =
                    std::max(widths[size_t(column)], width(style, cells.value(column)));
        }
        labelWidth = std::min(labelWidth, contentWidth() * 3 / 10);
        for (qsizetype first = 1; first < header.size();) {
            const Band columns = band(widths, labelWidth, first);
            ensureRoom(4 * lineHeight(kBody));
            tableHeader(columns, header);
            for (size_t row = 1; row < block.cells.size(); ++row) {
                if (y_ + rowSpace() + lineHeight(kBody) > bottom_) {
                    newPage();
                    tableHeader(columns, header);
                }
                tableRow(columns, block.cells[row], kBody);
            }
            y_ += lineHeight(kBody) / 2;
            first = columns.last;
        }
    }

    void place(const ReportBlock& block, const ReportBlock* next) {
        switch (block.kind) {
        case ReportBlock::Kind::Heading:
            heading(kHeading, block.text);
            break;
        case ReportBlock::Kind::Subheading:
            heading(kSubheading, block.text);
            break;
        case ReportBlock::Kind::Row:
            row(block, next);
            break;
        case ReportBlock::Kind::Paragraph:
            lines(kBody, wrap(kBody, block.text, contentWidth() - kIndent), kIndent);
            break;
        case ReportBlock::Kind::Notice:
            notice(block.text);
            break;
        case ReportBlock::Kind::Fields:
            fields(block);
            break;
        case ReportBlock::Kind::Table:
            table(block);
            break;
        }
    }

    void placeFooters() {
        const int count = int(pages_.size());
        const int baseline = kLetterPage.height() - margin_ / 2;
        for (int index = 0; index < count; ++index) {
            Page& page = pages_[size_t(index)];
            const QString number = QStringLiteral("Page %1 of %2").arg(index + 1).arg(count);
            page.texts.push_back({QPoint(margin_, baseline), kFooter, document_.title});
            page.texts.push_back(
                {QPoint(right_ - width(kFooter, number), baseline), kFooter, number});
        }
    }

    const ReportDocument& document_;
    const Fonts fonts_;
    const int margin_;
    const int right_;
    const int bottom_;
    const int leading_; // a line's height in hundredths of the font's em height
    std::vector<Page> pages_;
    int top_ = 0; // where the page's text starts, below the title on the first
    int y_ = 0;
};

QByteArray pageImage(const Page& page, const QString& description, const Fonts& styles) {
    EmfWriter writer(kLetterPage, kUnitsPerInch, description);
    std::array<quint32, kStyles> handles{};
    for (int style = 0; style < kStyles; ++style)
        handles[size_t(style)] = writer.createFont(styles[size_t(style)]);
    writer.setTextColor(0);
    writer.selectObject(writer.createPen(Emf::kPenSolid, 2, 0));
    writer.selectObject(Emf::kStockObjectFlag | Emf::kNullBrush);
    for (const auto& [from, to] : page.rules) {
        writer.moveTo(from);
        writer.lineTo(to);
    }
    for (const PlacedFrame& frame : page.frames)
        writer.rectangle(frame.box);
    int selected = -1;
    for (const PlacedText& text : page.texts) {
        if (text.style != selected) {
            writer.selectObject(handles[size_t(text.style)]);
            selected = text.style;
        }
        const EmfFont& font = styles[size_t(text.style)];
        writer.textOut(text.at, text.text, EmfFonts::designAdvances(font, text.text), -font.height,
                       -font.height / 4);
    }
    return writer.finish();
}
} // namespace

PageList reportPages(const ReportDocument& document) {
    const Fonts styles = fontsOf(document);
    PageList pages;
    for (const Page& page : Layout(document).lay()) {
        PageEntry entry;
        entry.images[0] = pageImage(page, document.title, styles);
        if (entry.images[0].isEmpty())
            return {};
        pages.push_back(entry);
    }
    return pages;
}

QByteArray reportPdf(const ReportDocument& document) {
    const Fonts styles = fontsOf(document);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF());
    writer.setResolution(kUnitsPerInch);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Vantrobe"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    const QRectF area(0, 0, writer.width(), writer.height());
    bool drawn = true;
    const std::vector<Page> pages = Layout(document).lay();
    for (size_t index = 0; drawn && index < pages.size(); ++index)
        drawn = (index == 0 || writer.newPage()) &&
                EmfPlayer(pageImage(pages[index], document.title, styles)).play(painter, area);
    return painter.end() && drawn ? buffer.data() : QByteArray();
}

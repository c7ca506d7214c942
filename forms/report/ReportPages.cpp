#include "forms/report/ReportPages.h"

#include "forms/EmfFonts.h"
#include "forms/EmfFormat.h"
#include "forms/EmfWriter.h"
#include "forms/preview/ReturnGeneration.h"
#include "platform/PrivateTempFolder.h"

#include <QPoint>
#include <algorithm>
#include <array>
#include <numeric>

namespace {
constexpr int kUnitsPerInch = 288;
constexpr QSize kLetterPage(8.5 * kUnitsPerInch, 11 * kUnitsPerInch);
constexpr int kMargin = kUnitsPerInch * 3 / 4;
constexpr int kColumnGap = kUnitsPerInch * 3 / 10;
constexpr int kIndent = kUnitsPerInch / 5;
constexpr int kFooterBaseline = kLetterPage.height() - kMargin / 2;
constexpr int kBottom = kLetterPage.height() - kMargin;
constexpr int kRight = kLetterPage.width() - kMargin;

// Points to logical units: a font's em height.
constexpr int points(double size) {
    return int(size * kUnitsPerInch / 72);
}

enum Style { kTitle, kHeading, kSubheading, kBody, kBold, kFooter, kStyles };

using Fonts = std::array<EmfFont, kStyles>;

// The fonts of a document; a document on two columns has smaller text, so that a sheet of
// about a hundred rows fits one page.
Fonts fontsOf(const ReportDocument& document) {
    const double text = document.columns > 1 ? 8 : 9;
    return {EmfFont{QStringLiteral("Arial"), -points(15), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(12), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(text + 1), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(text), Emf::kWeightNormal},
            EmfFont{QStringLiteral("Arial"), -points(text), Emf::kWeightBold},
            EmfFont{QStringLiteral("Arial"), -points(7.5), Emf::kWeightNormal}};
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

class Layout {
public:
    explicit Layout(const ReportDocument& document)
        : document_(document), fonts_(fontsOf(document)),
          columnWidth_((kRight - kMargin - kColumnGap * (document.columns - 1)) /
                       std::max(1, document.columns)) {}

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

    int lineHeight(Style style) const { return -fonts_[style].height * 13 / 10; }

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

    int columnLeft() const { return kMargin + column_ * (columnWidth_ + kColumnGap); }
    int columnRight() const { return columnLeft() + columnWidth_; }

    // Moves to the next column, or to the top of a new page after the last one.
    void nextColumn() {
        if (++column_ < document_.columns) {
            y_ = columnTop_;
            return;
        }
        pages_.emplace_back();
        column_ = 0;
        columnTop_ = kMargin;
        y_ = kMargin;
    }

    // Makes room for `height` more below the current line.
    void ensureRoom(int height) {
        if (y_ + height > kBottom && y_ > columnTop_)
            nextColumn();
    }

    void text(int x, Style style, const QString& line) {
        pages_.back().texts.push_back({QPoint(x, y_ - lineHeight(style) / 4), style, line});
    }

    void placeTitle() {
        y_ = kMargin + lineHeight(kTitle);
        text(kMargin, kTitle, document_.title);
        for (const QString& line : document_.heading) {
            y_ += lineHeight(kBody);
            text(kMargin, kBody, line);
        }
        y_ += lineHeight(kBody) / 2;
        pages_.back().rules.push_back({QPoint(kMargin, y_), QPoint(kRight, y_)});
        y_ += lineHeight(kBody) / 4;
        columnTop_ = y_;
    }

    // Lines of one style at the current column's left plus `indent`, each moving down a line.
    void lines(Style style, const QStringList& wrapped, int indent) {
        for (const QString& line : wrapped) {
            ensureRoom(lineHeight(style));
            y_ += lineHeight(style);
            text(columnLeft() + indent, style, line);
        }
    }

    // A heading stays with at least two lines of what follows it.
    void heading(Style style, const QString& title) {
        const int space = lineHeight(kBody) / 2;
        ensureRoom(space + lineHeight(style) + 2 * lineHeight(kBody));
        if (y_ > columnTop_)
            y_ += space;
        lines(style, wrap(style, title, columnWidth_), 0);
    }

    void row(const ReportBlock& block, const ReportBlock* next) {
        const int valueWidth = block.value.isEmpty() ? 0 : width(kBold, block.value);
        const QStringList label = wrap(kBody, block.text, columnWidth_ - valueWidth - kIndent);
        const bool withParagraph = next && next->kind == ReportBlock::Kind::Paragraph;
        ensureRoom(int(label.size() + (withParagraph ? 1 : 0)) * lineHeight(kBody));
        y_ += lineHeight(kBody) / 5;
        lines(kBody, label.mid(0, 1), 0);
        if (!block.value.isEmpty())
            text(columnRight() - valueWidth, kBold, block.value);
        lines(kBody, label.mid(1), 0);
    }

    void notice(const QString& words) {
        const int padding = kIndent / 2;
        const QStringList wrapped = wrap(kBold, words, columnWidth_ - 2 * padding);
        const int height = int(wrapped.size()) * lineHeight(kBold) + 2 * padding;
        ensureRoom(height + lineHeight(kBody));
        y_ += lineHeight(kBody) / 2;
        const int top = y_;
        y_ += padding;
        lines(kBold, wrapped, padding);
        y_ += padding;
        pages_.back().frames.push_back(
            {QRect(QPoint(columnLeft(), top), QPoint(columnRight(), y_ + padding / 2))});
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
            lines(kBody, wrap(kBody, block.text, columnWidth_ - kIndent), kIndent);
            break;
        case ReportBlock::Kind::Notice:
            notice(block.text);
            break;
        }
    }

    void placeFooters() {
        const int count = int(pages_.size());
        for (int index = 0; index < count; ++index) {
            Page& page = pages_[size_t(index)];
            const QString number = QStringLiteral("Page %1 of %2").arg(index + 1).arg(count);
            page.texts.push_back({QPoint(kMargin, kFooterBaseline), kFooter, document_.title});
            page.texts.push_back(
                {QPoint(kRight - width(kFooter, number), kFooterBaseline), kFooter, number});
        }
    }

    const ReportDocument& document_;
    const Fonts fonts_;
    const int columnWidth_;
    std::vector<Page> pages_;
    int column_ = 0;
    int columnTop_ = kMargin;
    int y_ = kMargin;
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

PageList writeReportPages(const ReportDocument& document) {
    const Fonts styles = fontsOf(document);
    PageList pages;
    for (const Page& page : Layout(document).lay()) {
        PageEntry entry;
        entry.imagePaths[0] = PrivateTempFolder::createFileWith(
            QStringLiteral("RPT"), pageImage(page, document.title, styles));
        if (entry.path().isEmpty()) {
            deletePageFiles(pages);
            return {};
        }
        pages.push_back(entry);
    }
    return pages;
}

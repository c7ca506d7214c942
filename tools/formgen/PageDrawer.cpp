#include "PageDrawer.h"

#include "forms/EmfFormat.h"
#include "forms/PlaceholderSearch.h"

#include <cmath>

namespace {

constexpr int kUnitsPerInch = 288;
constexpr int kUnitsPerPoint = 4;
const QSize kLetterPage(8.5 * kUnitsPerInch, 11 * kUnitsPerInch);
// Cell width of the field faces as a fraction of the em: Courier New 6 pt at 10 pt,
// OCR-A 7.5 pt at 10 pt.
constexpr double kCourierCell = 0.6;
constexpr double kOcrCell = 0.75;
// Amount boxes: how far the frame stands off the cells, above and below the baseline.
constexpr double kFrameSide = 2.5;
constexpr double kFrameAbove = 9.5;
constexpr double kFrameBelow = 3.0;
constexpr int kCentsCells = 4;

int units(double points) {
    return int(std::lround(points * kUnitsPerPoint));
}

bool toNumber(const QString& word, double& value) {
    bool ok = false;
    value = word.toDouble(&ok);
    return ok;
}

} // namespace

PageDrawer::PageDrawer() = default;
PageDrawer::~PageDrawer() = default;

QByteArray PageDrawer::draw(const QList<PageCommand>& commands, QString& error) {
    for (const PageCommand& command : commands) {
        if (!run(command)) {
            error = error_;
            return {};
        }
    }
    if (!writer_) {
        error = QStringLiteral("the description has no page command");
        return {};
    }
    const QByteArray image = writer_->finish();
    if (!checkFieldsComeFirst(image)) {
        error = error_;
        return {};
    }
    return image;
}

bool PageDrawer::checkFieldsComeFirst(const QByteArray& image) {
    for (const DrawnField& field : fields_) {
        if (PlaceholderSearch::find(image, field.placeholder) != field.offset) {
            error_ = QStringLiteral("line %1: \"%2\" occurs earlier in the image; a field must be "
                                    "the first occurrence of its placeholder")
                         .arg(field.line)
                         .arg(field.placeholder);
            return false;
        }
    }
    return true;
}

bool PageDrawer::fail(const PageCommand& command, const QString& message) {
    error_ = QStringLiteral("line %1: %2").arg(command.line).arg(message);
    return false;
}

bool PageDrawer::run(const PageCommand& command) {
    if (command.verb == QLatin1String("page"))
        return startPage(command);
    if (!writer_)
        return fail(command, QStringLiteral("the first command must be \"page\""));
    if (command.verb == QLatin1String("font"))
        return defineFont(command);
    if (command.verb == QLatin1String("pen")) {
        double width = 0;
        if (command.arguments.size() != 1 || !toNumber(command.arguments[0], width))
            return fail(command, QStringLiteral("pen takes one width"));
        penWidth_ = units(width);
        return true;
    }
    if (command.verb == QLatin1String("line"))
        return drawLine(command);
    if (command.verb == QLatin1String("box"))
        return drawBox(command, false);
    if (command.verb == QLatin1String("shade"))
        return drawBox(command, true);
    if (command.verb == QLatin1String("text"))
        return drawLabel(command);
    if (command.verb == QLatin1String("field"))
        return drawField(command);
    return fail(command, QStringLiteral("unknown command \"%1\"").arg(command.verb));
}

bool PageDrawer::startPage(const PageCommand& command) {
    if (writer_ || command.arguments.size() != 2)
        return fail(command, QStringLiteral("one page command: page ID \"DESCRIPTION\""));
    writer_ = std::make_unique<EmfWriter>(kLetterPage, kUnitsPerInch, command.arguments[1]);
    return true;
}

bool PageDrawer::defineFont(const PageCommand& command) {
    const QStringList& arguments = command.arguments;
    double size = 0;
    if (arguments.size() < 3 || !toNumber(arguments[2], size))
        return fail(command, QStringLiteral("font NAME \"FACE\" SIZE [bold] [italic]"));
    EmfFont font{arguments[1], -units(size)};
    font.weight = arguments.contains(QLatin1String("bold")) ? Emf::kWeightBold : Emf::kWeightNormal;
    font.italic = arguments.contains(QLatin1String("italic"));
    fonts_.insert(arguments[0], {font, writer_->createFont(font)});
    return true;
}

void PageDrawer::usePen(int width) {
    auto found = pens_.find(width);
    if (found == pens_.end())
        found = pens_.insert(width, writer_->createPen(Emf::kPenSolid, width, 0));
    if (selectedPen_ != *found) {
        writer_->selectObject(*found);
        selectedPen_ = *found;
    }
}

void PageDrawer::useBrush(int gray) {
    auto found = brushes_.find(gray);
    if (found == brushes_.end()) {
        const quint32 handle =
            gray < 0 ? Emf::kStockObjectFlag | Emf::kNullBrush
                     : writer_->createBrush(Emf::kBrushSolid, Emf::colorRef(gray, gray, gray));
        found = brushes_.insert(gray, handle);
    }
    if (selectedBrush_ != *found) {
        writer_->selectObject(*found);
        selectedBrush_ = *found;
    }
}

void PageDrawer::useFont(quint32 handle) {
    if (selectedFont_ != handle) {
        writer_->selectObject(handle);
        selectedFont_ = handle;
    }
}

void PageDrawer::strokeLine(QPoint from, QPoint to) {
    usePen(penWidth_);
    writer_->polyline({from, to});
}

void PageDrawer::strokeBox(const QRect& box) {
    usePen(penWidth_);
    useBrush(-1);
    writer_->rectangle(box);
}

bool PageDrawer::drawLine(const PageCommand& command) {
    double values[4];
    if (command.arguments.size() != 4)
        return fail(command, QStringLiteral("line X1 Y1 X2 Y2"));
    for (int index = 0; index < 4; ++index) {
        if (!toNumber(command.arguments[index], values[index]))
            return fail(command, QStringLiteral("line X1 Y1 X2 Y2"));
    }
    strokeLine(QPoint(units(values[0]), units(values[1])),
               QPoint(units(values[2]), units(values[3])));
    return true;
}

bool PageDrawer::drawBox(const PageCommand& command, bool filled) {
    double values[5] = {};
    const int count = filled ? 5 : 4;
    if (command.arguments.size() != count)
        return fail(command,
                    filled ? QStringLiteral("shade X Y W H GRAY") : QStringLiteral("box X Y W H"));
    for (int index = 0; index < count; ++index) {
        if (!toNumber(command.arguments[index], values[index]))
            return fail(command, QStringLiteral("a number is expected"));
    }
    const QRect box(units(values[0]), units(values[1]), units(values[2]), units(values[3]));
    if (!filled) {
        strokeBox(box);
        return true;
    }
    writer_->selectObject(Emf::kStockObjectFlag | Emf::kNullPen);
    selectedPen_ = Emf::kStockObjectFlag | Emf::kNullPen;
    useBrush(int(values[4]));
    writer_->rectangle(box);
    return true;
}

QList<qint32> PageDrawer::labelAdvances(const EmfFont& font, const QString& text) {
    return EmfFonts::designAdvances(font, text);
}

bool PageDrawer::drawLabel(const PageCommand& command) {
    const QStringList& arguments = command.arguments;
    double x = 0;
    double y = 0;
    if (arguments.size() < 4 || !toNumber(arguments[1], x) || !toNumber(arguments[2], y))
        return fail(command, QStringLiteral("text FONT X Y \"TEXT\" [center|right]"));
    const auto font = fonts_.constFind(arguments[0]);
    if (font == fonts_.constEnd())
        return fail(command, QStringLiteral("no font named \"%1\"").arg(arguments[0]));
    const QString& text = arguments[3];
    const QList<qint32> advances = labelAdvances(font->font, text);
    qint32 width = 0;
    for (const qint32 advance : advances)
        width += advance;
    const QString align = arguments.value(4);
    QPoint reference(units(x), units(y));
    if (align == QLatin1String("center"))
        reference.rx() -= width / 2;
    else if (align == QLatin1String("right"))
        reference.rx() -= width;
    useFont(font->handle);
    const int em = -font->font.height;
    writer_->textOut(reference, text, advances, em, em / 4);
    return true;
}

bool PageDrawer::drawField(const PageCommand& command) {
    const QStringList& arguments = command.arguments;
    double size = 0;
    double x = 0;
    double y = 0;
    if (arguments.size() < 6 || !toNumber(arguments[2], size) || !toNumber(arguments[3], x) ||
        !toNumber(arguments[4], y))
        return fail(command, QStringLiteral("field KEY courier|ocra SIZE X Y \"PLACEHOLDER\" ..."));
    const bool ocr = arguments[1] == QLatin1String("ocra");
    if (!ocr && arguments[1] != QLatin1String("courier"))
        return fail(command, QStringLiteral("field faces are courier and ocra"));
    const QString placeholder = arguments[5];
    QString text = placeholder;
    qsizetype next = 6;
    if (arguments.value(next) == QLatin1String("within")) {
        text = arguments.value(next + 1);
        next += 2;
    }
    const QString frame = arguments.value(next);
    static const QStringList frames = {QString(), QStringLiteral("amount"),
                                       QStringLiteral("amountline"), QStringLiteral("box"),
                                       QStringLiteral("line")};
    if (!frames.contains(frame) || arguments.size() > next + 1)
        return fail(command, QStringLiteral("unknown field frame \"%1\"").arg(frame));
    const qsizetype index = text.indexOf(placeholder);
    if (placeholder.isEmpty() || index < 0)
        return fail(command, QStringLiteral("the placeholder is not in its text"));
    const int em = units(size);
    const int cell = int(std::lround(em * (ocr ? kOcrCell : kCourierCell)));
    const QPoint start(units(x), units(y));
    const QPoint reference(start.x() - int(index) * cell, start.y());

    const QString face = ocr ? QStringLiteral("OCRA") : QStringLiteral("Courier New");
    const QString key = face + QString::number(em);
    auto font = fieldFonts_.find(key);
    if (font == fieldFonts_.end())
        font = fieldFonts_.insert(key, writer_->createFont(EmfFont{face, -em}));
    useFont(*font);
    const qsizetype offset =
        writer_->textOut(reference, text, QList<qint32>(text.size(), cell), em, em / 4);
    fields_.append({placeholder, offset + 2 * index, command.line});
    frameField(frame, start, int(placeholder.size()), cell);
    return true;
}

void PageDrawer::frameField(const QString& frame, QPoint start, int cells, int cellWidth) {
    if (frame.isEmpty())
        return;
    const int left = start.x() - units(kFrameSide);
    const int right = start.x() + cells * cellWidth + units(kFrameSide);
    const int top = start.y() - units(kFrameAbove);
    const int bottom = start.y() + units(kFrameBelow);
    const int divider = start.x() + (cells - kCentsCells) * cellWidth + cellWidth / 2;
    if (frame == QLatin1String("amount") || frame == QLatin1String("box"))
        strokeBox(QRect(QPoint(left, top), QPoint(right, bottom)));
    if (frame == QLatin1String("amountline") || frame == QLatin1String("line"))
        strokeLine(QPoint(left, bottom), QPoint(right, bottom));
    if (frame == QLatin1String("amount"))
        strokeLine(QPoint(divider, top), QPoint(divider, bottom));
    if (frame == QLatin1String("amountline"))
        strokeLine(QPoint(divider, bottom - units(kFrameAbove)), QPoint(divider, bottom));
}

#include "letters/RtfWriter.h"

#include "letters/RtfUnits.h"
#include "platform/RtfText.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace {
constexpr int kHangingBulletTwips = 360;

int twips(double pixels) {
    return RtfUnits::twipsFromPixels(pixels);
}

int verticalOf(const QTextCharFormat& format) {
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        return 1;
    case QTextCharFormat::AlignSubScript:
        return -1;
    default:
        return 0;
    }
}

const char* alignmentWord(Qt::Alignment alignment) {
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        return "qc";
    if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        return "qr";
    if (horizontal & Qt::AlignJustify)
        return "qj";
    return nullptr;
}
} // namespace

QByteArray RtfWriter::write(const QTextDocument& document) {
    RtfWriter writer(document);
    writer.collectTables();
    writer.writeHeader();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        writer.writeBlock(block);
    writer.out_ += "}\n";
    return writer.out_;
}

RtfWriter::RtfWriter(const QTextDocument& document) : document_(document) {}

void RtfWriter::collectTables() {
    fonts_.append(document_.defaultFont().family());
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        noteFormat(block.charFormat());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            noteFormat(fragment.fragment().charFormat());
    }
}

void RtfWriter::noteFormat(const QTextCharFormat& format) {
    const QString family = familyOf(format);
    if (!fonts_.contains(family))
        fonts_.append(family);
    for (const QBrush& brush : {format.foreground(), format.background()}) {
        if (brush.style() != Qt::NoBrush && !colours_.contains(brush.color().rgb()))
            colours_.append(brush.color().rgb());
    }
}

void RtfWriter::writeHeader() {
    out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0";
    control("deftab", twips(document_.defaultTextOption().tabStopDistance()));
    out_ += "\n{\\fonttbl";
    for (int i = 0; i < fonts_.size(); ++i)
        out_ += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + rtfEscapedText(fonts_[i]) +
                ";}";
    out_ += "}\n{\\colortbl ;";
    for (const QRgb rgb : colours_)
        out_ += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    out_ += "}\n\\viewkind4\\uc1";
    afterControl_ = true;
}

void RtfWriter::writeBlock(const QTextBlock& block) {
    writeParagraphFormat(block);
    if (block.length() <= 1)
        writeCharProps(block.charFormat()); // the height of an empty line
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        writeCharProps(fragment.fragment().charFormat());
        writeText(fragment.fragment().text());
    }
    control("par");
    out_ += '\n';
}

void RtfWriter::writeParagraphFormat(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    control("pard");
    if (const char* alignment = alignmentWord(format.alignment()))
        control(alignment);
    double left = format.leftMargin();
    double firstLine = format.textIndent();
    if (const QTextList* list = block.textList()) {
        left += list->format().indent() * document_.indentWidth();
        firstLine = -std::min<double>(left, kHangingBulletTwips / RtfUnits::kTwipsPerPixel);
    }
    const std::pair<const char*, double> lengths[] = {{"li", left},
                                                      {"ri", format.rightMargin()},
                                                      {"fi", firstLine},
                                                      {"sb", format.topMargin()},
                                                      {"sa", format.bottomMargin()}};
    for (const auto& [word, pixels] : lengths) {
        if (twips(pixels) != 0)
            control(word, twips(pixels));
    }
    // The layout measures tab stops from where the first line starts, RTF from the margin.
    const double lineStart = block.textList() ? left : left + firstLine;
    for (const QTextOption::Tab& tab : format.tabPositions()) {
        if (tab.type == QTextOption::RightTab)
            control("tqr");
        else if (tab.type == QTextOption::CenterTab)
            control("tqc");
        else if (tab.type == QTextOption::DelimiterTab)
            control("tqdec");
        control("tx", twips(lineStart + tab.position));
    }
    writeListMarker(block);
}

void RtfWriter::writeListMarker(const QTextBlock& block) {
    const QTextList* list = block.textList();
    if (!list)
        return;
    // Disc, circle and square are bullets; the styles after them are numberings.
    const bool numbered = list->format().style() < QTextListFormat::ListSquare;
    // The marker text for readers without numbering, then the numbering itself.
    const QByteArray marker =
        numbered ? QByteArray::number(list->itemNumber(block) + 1) + '.' : QByteArray("\\'95");
    out_ += "{\\pntext " + marker + "\\tab}";
    out_ += numbered ? "{\\*\\pn\\pnlvlbody\\pndec\\pnstart1\\pnindent0{\\pntxta .}}"
                     : "{\\*\\pn\\pnlvlblt\\pnindent0{\\pntxtb\\'95}}";
    afterControl_ = false;
}

void RtfWriter::writeCharProps(const QTextCharFormat& format) {
    const CharProps wanted = propsOf(format);
    if (wanted.font != current_.font)
        control("f", wanted.font);
    if (wanted.halfPoints != current_.halfPoints)
        control("fs", wanted.halfPoints);
    const std::pair<const char*, bool CharProps::*> toggles[] = {
        {"b", &CharProps::bold}, {"i", &CharProps::italic}, {"strike", &CharProps::strikeOut}};
    for (const auto& [word, member] : toggles) {
        if (wanted.*member != current_.*member)
            wanted.*member ? control(word) : control(word, 0);
    }
    if (wanted.underline != current_.underline)
        control(wanted.underline ? "ul" : "ulnone");
    if (wanted.vertical != current_.vertical)
        control(wanted.vertical > 0 ? "super" : wanted.vertical < 0 ? "sub" : "nosupersub");
    if (wanted.colour != current_.colour)
        control("cf", wanted.colour);
    if (wanted.background != current_.background)
        control("highlight", wanted.background);
    current_ = wanted;
}

void RtfWriter::writeText(const QString& text) {
    QString letterText = text;
    letterText.remove(QChar::ObjectReplacementCharacter);
    if (letterText.isEmpty())
        return;
    if (afterControl_)
        out_ += ' ';
    out_ += rtfEscapedText(letterText);
    afterControl_ = false;
}

void RtfWriter::control(const char* word) {
    out_ += '\\';
    out_ += word;
    afterControl_ = true;
}

void RtfWriter::control(const char* word, int parameter) {
    control(word);
    out_ += QByteArray::number(parameter);
}

RtfWriter::CharProps RtfWriter::propsOf(const QTextCharFormat& format) const {
    CharProps props;
    props.font = static_cast<int>(fonts_.indexOf(familyOf(format)));
    double points = document_.defaultFont().pointSizeF();
    if (format.hasProperty(QTextFormat::FontPointSize))
        points = format.fontPointSize();
    else if (format.hasProperty(QTextFormat::FontPixelSize))
        points =
            format.intProperty(QTextFormat::FontPixelSize) * 72.0 / RtfUnits::kLayoutDotsPerInch;
    props.halfPoints = points > 0 ? qRound(points * 2) : 24;
    props.bold = format.hasProperty(QTextFormat::FontWeight)
                     ? format.fontWeight() >= QFont::DemiBold
                     : document_.defaultFont().bold();
    props.italic = format.fontItalic();
    props.underline = format.fontUnderline();
    props.strikeOut = format.fontStrikeOut();
    props.vertical = verticalOf(format);
    props.colour =
        format.foreground().style() == Qt::NoBrush ? 0 : colourIndex(format.foreground().color());
    props.background =
        format.background().style() == Qt::NoBrush ? 0 : colourIndex(format.background().color());
    return props;
}

QString RtfWriter::familyOf(const QTextCharFormat& format) const {
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() || families.first().isEmpty() ? document_.defaultFont().family()
                                                            : families.first();
}

int RtfWriter::colourIndex(const QColor& colour) const {
    return static_cast<int>(colours_.indexOf(colour.rgb())) + 1;
}

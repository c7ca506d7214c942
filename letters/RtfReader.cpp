#include "letters/RtfReader.h"

#include "letters/RtfUnits.h"
#include "platform/Cp1252.h"

#include <QSet>
#include <QTextDocument>

namespace {
// Bounds that keep hostile input from using unbounded memory or absurd layouts.
constexpr int kMaxDepth = 200;
constexpr int kMaxTabs = 64;
constexpr int kMaxTableEntries = 4096;
constexpr int kMaxFontNameLength = 256;
constexpr int kMaxLength = 31680; // 22 inches in twips
constexpr int kDefaultTabTwips = 720;
constexpr int kBulletFormat = 23; // \levelnfc of a bulleted list level
constexpr int kNoNumberFormat = 255;

const QHash<QByteArray, RtfDestination>& knownDestinations() {
    static const QHash<QByteArray, RtfDestination> destinations = {
        {"fonttbl", RtfDestination::FontTable},
        {"colortbl", RtfDestination::ColourTable},
        {"listtable", RtfDestination::ListTable},
        {"listoverridetable", RtfDestination::ListOverrideTable},
        {"pn", RtfDestination::ParagraphNumbering},
        {"fldrslt", RtfDestination::Text},
    };
    return destinations;
}

// Destinations whose content is not part of the letter's text.
const QSet<QByteArray>& skippedDestinations() {
    static const QSet<QByteArray> skipped = {
        "stylesheet", "info",         "pict",         "header",   "headerl",   "headerr",
        "headerf",    "footer",       "footerl",      "footerr",  "footerf",   "footnote",
        "pntext",     "pntxta",       "pntxtb",       "listtext", "fldinst",   "objdata",
        "themedata",  "datastore",    "latentstyles", "xmlnstbl", "rsidtbl",   "generator",
        "filetbl",    "revtbl",       "nonshppict",   "shppict",  "shp",       "annotation",
        "atnid",      "atnauthor",    "bkmkstart",    "bkmkend",  "txe",       "xe",
        "tc",         "upr",          "private",      "template", "userprops", "docvar",
        "leveltext",  "levelnumbers", "listname",     "pgdsctbl", "mmathPr",   "colorschememapping",
    };
    return skipped;
}

const QHash<QByteArray, char16_t>& specialCharacters() {
    static const QHash<QByteArray, char16_t> characters = {
        {"tab", u'\t'},        {"cell", u'\t'},     {"line", 0x2028},    {"emdash", 0x2014},
        {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
    };
    return characters;
}

const QSet<QByteArray>& paragraphEnds() {
    static const QSet<QByteArray> ends = {"par", "sect", "page", "row"};
    return ends;
}

int clampLength(int twips) {
    return std::clamp(twips, -kMaxLength, kMaxLength);
}

// RTF measures tab stops from the margin, the layout from where the first line starts. A
// hanging indent has its own stop where the paragraph's other lines start, as word processors
// have.
QList<QTextOption::Tab> tabStops(const RtfParaState& para, bool hangingStop) {
    const int lineStart = para.leftIndent + (hangingStop ? para.firstLineIndent : 0);
    QList<QTextOption::Tab> tabs;
    for (const QTextOption::Tab& tab : para.tabs) {
        const int position = static_cast<int>(tab.position) - lineStart;
        if (position > 0)
            tabs.append(QTextOption::Tab(RtfUnits::pixelsFromTwips(position), tab.type));
    }
    const int hanging = -para.firstLineIndent;
    const bool hasOwnStop =
        !tabs.isEmpty() && tabs.first().position <= RtfUnits::pixelsFromTwips(hanging);
    if (hangingStop && hanging > 0 && !hasOwnStop)
        tabs.prepend(QTextOption::Tab(RtfUnits::pixelsFromTwips(hanging), QTextOption::LeftTab));
    return tabs;
}

bool looksLikeRtf(const QByteArray& source) {
    return source.trimmed().startsWith("{\\rtf");
}

void loadPlainText(const QByteArray& source, QTextDocument& document) {
    QByteArray text = source;
    text.replace("\r\n", "\n");
    QTextCursor(&document).insertText(Cp1252::toUnicode(text));
}
} // namespace

bool RtfReader::read(const QByteArray& source, QTextDocument& document) {
    const bool undoEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    const bool isRtf = looksLikeRtf(source);
    if (isRtf)
        RtfReader(source, document).run();
    else
        loadPlainText(source, document);
    document.setUndoRedoEnabled(undoEnabled);
    document.setModified(false);
    return isRtf;
}

RtfReader::RtfReader(const QByteArray& source, QTextDocument& document)
    : tokens_(source), document_(document), builder_(document) {
    stack_.append(RtfGroupState{});
    QTextOption option = document_.defaultTextOption();
    option.setTabStopDistance(RtfUnits::pixelsFromTwips(kDefaultTabTwips));
    document_.setDefaultTextOption(option);
}

void RtfReader::run() {
    for (RtfToken token = tokens_.next(); token.kind != RtfToken::End && !finished_;
         token = tokens_.next()) {
        const bool wasGroupStart = groupStart_;
        groupStart_ = false;
        switch (token.kind) {
        case RtfToken::GroupStart:
            openGroup();
            groupStart_ = true;
            break;
        case RtfToken::GroupEnd:
            closeGroup();
            break;
        case RtfToken::ControlWord:
            groupStart_ = wasGroupStart;
            onControlWord(token);
            groupStart_ = false;
            break;
        case RtfToken::ControlSymbol:
            onControlSymbol(token.symbol);
            groupStart_ = wasGroupStart && token.symbol == '*';
            break;
        case RtfToken::Text: {
            const qsizetype dropped = std::min<qsizetype>(pendingSkip_, token.word.size());
            pendingSkip_ -= static_cast<int>(dropped);
            onText(decodeBytes(token.word.mid(dropped)));
            break;
        }
        case RtfToken::HexByte:
            if (pendingSkip_ > 0)
                --pendingSkip_;
            else
                onText(QString(Cp1252::charOf(token.byte)));
            break;
        case RtfToken::End:
            break;
        }
    }
    finishDocument();
    const QString family = fontFamily(-1);
    if (!family.isEmpty())
        document_.setDefaultFont(QFont(family, 12));
}

// The last paragraph takes the properties in force where the document ends.
void RtfReader::finishDocument() {
    if (finished_)
        return;
    flushText();
    builder_.finish(currentParagraph());
    finished_ = true;
}

void RtfReader::openGroup() {
    pendingSkip_ = 0;
    if (overflowDepth_ > 0 || stack_.size() >= kMaxDepth) {
        ++overflowDepth_;
        return;
    }
    stack_.append(stack_.last());
    starred_ = false;
}

void RtfReader::closeGroup() {
    pendingSkip_ = 0;
    starred_ = false;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.size() <= 1)
        return; // an unbalanced '}' is ignored
    if (stack_.size() == 2) {
        finishDocument(); // the document's own group ends: what follows is not part of it
        return;
    }
    const RtfGroupState closed = stack_.takeLast();
    if (closed.destination == RtfDestination::FontTable && !tableFontName_.isEmpty()) {
        if (fonts_.size() < kMaxTableEntries)
            fonts_.insert(tableFont_, tableFontName_.trimmed());
        tableFontName_.clear();
    }
    if (closed.destination == RtfDestination::ParagraphNumbering &&
        state().destination != RtfDestination::ParagraphNumbering)
        state().para.list = closed.para.list;
}

void RtfReader::onControlWord(const RtfToken& token) {
    if (token.word == "bin") {
        tokens_.skipBytes(token.parameter); // binary data is never text
        return;
    }
    if (pendingSkip_ > 0) {
        --pendingSkip_;
        return;
    }
    if (overflowDepth_ > 0 || state().destination == RtfDestination::Skip)
        return;
    if (groupStart_ && takeDestination(token.word))
        return;
    if (groupStart_ && starred_) {
        state().destination = RtfDestination::Skip; // an optional destination we do not know
        return;
    }
    const QByteArray& word = token.word;
    switch (state().destination) {
    case RtfDestination::Text:
        break;
    case RtfDestination::FontTable:
        if (word == "f")
            tableFont_ = token.parameter;
        return;
    case RtfDestination::ColourTable: {
        if (!tableColour_.isValid())
            tableColour_ = QColor(0, 0, 0);
        const int component = std::clamp(token.parameter, 0, 255);
        if (word == "red")
            tableColour_.setRed(component);
        else if (word == "green")
            tableColour_.setGreen(component);
        else if (word == "blue")
            tableColour_.setBlue(component);
        return;
    }
    case RtfDestination::ParagraphNumbering:
        if (word == "pnlvlblt")
            state().para.list = RtfListKind::Bullet;
        else if (word == "pnlvlbody" || word == "pnlvl")
            state().para.list = RtfListKind::Numbered;
        else if (word == "pnlvlcont")
            state().para.list = RtfListKind::None;
        return;
    default:
        takeTableWord(word, token.parameter);
        return;
    }
    if (word == "u")
        takeUnicode(token.parameter);
    else if (word == "uc")
        state().unicodeSkip = std::clamp(token.parameter, 0, 10);
    else if (paragraphEnds().contains(word))
        endParagraph();
    else if (word == "deff")
        defaultFont_ = token.parameter;
    else if (word == "deftab" && token.parameter > 0) {
        QTextOption option = document_.defaultTextOption();
        option.setTabStopDistance(RtfUnits::pixelsFromTwips(std::min(token.parameter, kMaxLength)));
        document_.setDefaultTextOption(option);
    } else if (!takeCharacterWord(word, token.parameter, token.hasParameter) &&
               !takeParagraphWord(word, token.parameter))
        takeSpecialCharacter(word);
}

bool RtfReader::takeDestination(const QByteArray& word) {
    const auto known = knownDestinations().constFind(word);
    if (known != knownDestinations().constEnd()) {
        if (state().destination != RtfDestination::Text)
            return false; // tables and numbering only at the document's top level
        state().destination = *known;
        tableColour_ = QColor();
        return true;
    }
    if (!skippedDestinations().contains(word))
        return false;
    state().destination = RtfDestination::Skip;
    return true;
}

bool RtfReader::takeCharacterWord(const QByteArray& word, int parameter, bool hasParameter) {
    RtfCharState& chars = state().chars;
    const bool on = !hasParameter || parameter != 0;
    if (word == "plain")
        chars = RtfCharState{};
    else if (word == "b")
        chars.bold = on;
    else if (word == "i")
        chars.italic = on;
    else if (word == "ulnone")
        chars.underline = false;
    else if (word.startsWith("ul") && word != "ulc") // every underline style but its colour
        chars.underline = on;
    else if (word == "strike" || word == "striked")
        chars.strikeOut = on;
    else if (word == "super")
        chars.vertical = 1;
    else if (word == "sub")
        chars.vertical = -1;
    else if (word == "nosupersub")
        chars.vertical = 0;
    else if (word == "f")
        chars.font = parameter;
    else if (word == "fs")
        chars.halfPoints = parameter > 0 ? std::min(parameter, 3276) : 24;
    else if (word == "cf")
        chars.colour = parameter;
    else if (word == "highlight" || word == "cb" || word == "chcbpat")
        chars.background = parameter;
    else
        return false;
    return true;
}

bool RtfReader::takeParagraphWord(const QByteArray& word, int parameter) {
    RtfParaState& para = state().para;
    static const QHash<QByteArray, Qt::Alignment> alignments = {{"ql", Qt::AlignLeft},
                                                                {"qc", Qt::AlignHCenter},
                                                                {"qr", Qt::AlignRight},
                                                                {"qj", Qt::AlignJustify}};
    static const QHash<QByteArray, QTextOption::TabType> tabTypes = {
        {"tqr", QTextOption::RightTab},
        {"tqc", QTextOption::CenterTab},
        {"tqdec", QTextOption::DelimiterTab}};
    static const QHash<QByteArray, int RtfParaState::*> lengths = {
        {"li", &RtfParaState::leftIndent},
        {"ri", &RtfParaState::rightIndent},
        {"fi", &RtfParaState::firstLineIndent},
        {"sb", &RtfParaState::spaceBefore},
        {"sa", &RtfParaState::spaceAfter}};
    if (word == "pard")
        para = RtfParaState{};
    else if (alignments.contains(word))
        para.alignment = alignments.value(word);
    else if (lengths.contains(word))
        para.*lengths.value(word) = clampLength(parameter);
    else if (tabTypes.contains(word))
        para.nextTabType = tabTypes.value(word);
    else if (word == "tx" || word == "tb") {
        if (para.tabs.size() < kMaxTabs)
            para.tabs.append(
                QTextOption::Tab(std::clamp(parameter, 0, kMaxLength), para.nextTabType));
        para.nextTabType = QTextOption::LeftTab;
    } else if (word == "ls")
        para.listOverride = parameter;
    else if (word == "ilvl")
        para.listLevel = std::clamp(parameter, 0, 8);
    else
        return false;
    return true;
}

bool RtfReader::takeSpecialCharacter(const QByteArray& word) {
    const auto found = specialCharacters().constFind(word);
    if (found == specialCharacters().constEnd())
        return false;
    onText(QString(QChar(*found)));
    return true;
}

void RtfReader::takeTableWord(const QByteArray& word, int parameter) {
    if (state().destination == RtfDestination::ListOverrideTable) {
        if (word == "listid")
            tableOverrideList_ = parameter;
        else if (word == "ls" && listOverrides_.size() < kMaxTableEntries)
            listOverrides_.insert(parameter, tableOverrideList_);
        return;
    }
    if (word == "list") {
        tableLevels_ = 0;
        tableListKind_ = RtfListKind::Bullet;
    } else if (word == "listlevel") {
        ++tableLevels_;
    } else if ((word == "levelnfc" || word == "levelnfcn") && tableLevels_ == 1) {
        if (parameter == kBulletFormat)
            tableListKind_ = RtfListKind::Bullet;
        else if (parameter == kNoNumberFormat)
            tableListKind_ = RtfListKind::None; // an outline level without a marker
        else
            tableListKind_ = RtfListKind::Numbered;
    } else if (word == "listid" && lists_.size() < kMaxTableEntries) {
        lists_.insert(parameter, tableListKind_);
    }
}

void RtfReader::takeUnicode(int parameter) {
    const int code = parameter < 0 ? parameter + 65536 : parameter;
    if (code >= 0x20 && code <= 0xFFFF)
        onText(QString(QChar(static_cast<char16_t>(code))));
    pendingSkip_ = state().unicodeSkip;
}

void RtfReader::onControlSymbol(char symbol) {
    if (pendingSkip_ > 0) {
        --pendingSkip_;
        return;
    }
    switch (symbol) {
    case '*':
        starred_ = true;
        break;
    case '\\':
    case '{':
    case '}':
        onText(QString(QChar::fromLatin1(symbol)));
        break;
    case '~':
        onText(QString(QChar(QChar::Nbsp)));
        break;
    case '_':
        onText(QString(QChar(0x2011)));
        break;
    case '-':
        onText(QString(QChar(QChar::SoftHyphen)));
        break;
    case '\n':
        if (inText())
            endParagraph();
        break;
    default:
        break;
    }
}

void RtfReader::onText(const QString& text) {
    if (overflowDepth_ > 0 || text.isEmpty())
        return;
    switch (state().destination) {
    case RtfDestination::Text:
        if (!pendingText_.isEmpty() && !(pendingChars_ == state().chars))
            flushText();
        pendingChars_ = state().chars;
        pendingText_ += text;
        break;
    case RtfDestination::FontTable:
        for (const QChar c : text) {
            if (c == u';') {
                if (fonts_.size() < kMaxTableEntries)
                    fonts_.insert(tableFont_, tableFontName_.trimmed());
                tableFontName_.clear();
            } else if (tableFontName_.size() < kMaxFontNameLength) {
                tableFontName_ += c;
            }
        }
        break;
    case RtfDestination::ColourTable:
        for (qsizetype i = text.count(u';'); i > 0 && colours_.size() < kMaxTableEntries; --i) {
            colours_.append(tableColour_);
            tableColour_ = QColor();
        }
        break;
    default:
        break;
    }
}

void RtfReader::flushText() {
    if (pendingText_.isEmpty())
        return;
    builder_.appendText(pendingText_, charFormat(pendingChars_), currentParagraph());
    pendingText_.clear();
}

void RtfReader::endParagraph() {
    flushText();
    builder_.endParagraph(currentParagraph());
}

RtfParagraph RtfReader::currentParagraph() const {
    const RtfParaState& para = state().para;
    RtfParagraph paragraph;
    paragraph.list = para.list;
    if (paragraph.list == RtfListKind::None && para.listOverride > 0)
        paragraph.list = lists_.value(listOverrides_.value(para.listOverride), RtfListKind::Bullet);
    paragraph.listLevel = para.listLevel;
    QTextBlockFormat& block = paragraph.block;
    block.setAlignment(para.alignment);
    double left = RtfUnits::pixelsFromTwips(para.leftIndent);
    if (paragraph.list == RtfListKind::None) {
        block.setTextIndent(RtfUnits::pixelsFromTwips(para.firstLineIndent));
    } else {
        // The list's own indent places the bullet; the paragraph keeps only what is beyond it.
        left = std::max(0.0, left - (para.listLevel + 1) * document_.indentWidth());
    }
    block.setLeftMargin(left);
    block.setRightMargin(RtfUnits::pixelsFromTwips(para.rightIndent));
    block.setTopMargin(RtfUnits::pixelsFromTwips(para.spaceBefore));
    block.setBottomMargin(RtfUnits::pixelsFromTwips(para.spaceAfter));
    block.setTabPositions(tabStops(para, paragraph.list == RtfListKind::None));
    paragraph.emptyLineFormat = charFormat(state().chars);
    return paragraph;
}

QTextCharFormat RtfReader::charFormat(const RtfCharState& chars) const {
    QTextCharFormat format;
    const QString family = fontFamily(chars.font);
    if (!family.isEmpty())
        format.setFontFamilies(QStringList{family});
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strikeOut);
    if (chars.vertical != 0)
        format.setVerticalAlignment(chars.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    const QColor foreground = colours_.value(chars.colour);
    if (chars.colour > 0 && foreground.isValid())
        format.setForeground(foreground);
    const QColor background = colours_.value(chars.background);
    if (chars.background > 0 && background.isValid())
        format.setBackground(background);
    return format;
}

QString RtfReader::fontFamily(int font) const {
    const QString fallback = fonts_.value(defaultFont_);
    return font < 0 ? fallback : fonts_.value(font, fallback);
}

QString RtfReader::decodeBytes(const QByteArray& bytes) const {
    QString text = Cp1252::toUnicode(bytes);
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    return text;
}

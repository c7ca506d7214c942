#include "RtfTestSupport.h"
#include "letters/RtfUnits.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTextList>
#include <gtest/gtest.h>

using RtfTest::blockTexts;
using RtfTest::formatAt;
using RtfTest::read;

namespace {
const QByteArray kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0 Arial;}}{\\colortbl "
    ";\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

QByteArray rtf(const QByteArray& body) {
    return kHeader + body + "}";
}

double pixels(int twips) {
    return RtfUnits::pixelsFromTwips(twips);
}
} // namespace

TEST(RtfReader, ParagraphsAreEndedByPar) {
    const std::pair<QByteArray, QStringList> cases[] = {
        {"A\\par B\\par", {"A", "B"}},
        {"A\\par B", {"A", "B"}},
        {"\\par\\par", {"", ""}},
        {"", {""}},
        {"A\\line B\\tab C", {QStringLiteral("A\u2028B\tC")}},
        {"one\r\ntwo\\\ntail", {"onetwo", "tail"}},
    };
    for (const auto& [body, blocks] : cases)
        EXPECT_EQ(blockTexts(*read(rtf(body))), blocks) << body.constData();
}

TEST(RtfReader, EscapesAndSpecialCharacters) {
    const std::pair<QByteArray, QString> cases[] = {
        {"caf\\'e9 \\'80 \\'93q\\'94", QStringLiteral("caf\u00e9 \u20ac \u201cq\u201d")},
        {"\\u8364?x \\u-3913?", QStringLiteral("\u20acx \uf0b7")},
        {"{\\uc2\\u8364\\'80\\'80x}", QStringLiteral("\u20acx")},
        {"{\\uc0\\u8364 x}", QStringLiteral("\u20acx")},
        {"\\{a\\}\\\\", QStringLiteral("{a}\\")},
        {"\\ldblquote a\\rdblquote\\emdash\\bullet", QStringLiteral("\u201ca\u201d\u2014\u2022")},
        {"\\'zzok", QStringLiteral("zzok")},
    };
    for (const auto& [body, text] : cases)
        EXPECT_EQ(read(rtf(body))->toPlainText(), text) << body.constData();
    EXPECT_EQ(blockTexts(*read(rtf("a\\~b\\_c"))), QStringList{QStringLiteral("a\u00a0b\u2011c")});
}

TEST(RtfReader, SkipsDestinationsThatAreNotText) {
    const QByteArray body =
        "{\\*\\unknown hidden}{\\info{\\title hidden}}{\\stylesheet{\\s0 hidden;}}"
        "{\\pict\\pngblip\\bin3 {}}}{\\*\\generator hidden;}"
        "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}} visible"
        "{\\header hidden}{\\pntext 1.\\tab}";
    EXPECT_EQ(read(rtf(body))->toPlainText(), QStringLiteral("shown visible"));
}

TEST(RtfReader, CharacterFormats) {
    const auto document = read(
        rtf("\\f0\\fs20 plain {\\b bold} {\\i italic} {\\ul under} {\\strike struck} "
            "{\\f1\\fs36 arial} {\\cf1 red} {\\super up} {\\b\\plain reset} {\\b bold\\b0 off}"));
    const QTextCharFormat plain = formatAt(*document, QStringLiteral("plain"));
    EXPECT_EQ(plain.fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});
    EXPECT_EQ(plain.fontPointSize(), 10);
    EXPECT_EQ(plain.fontWeight(), QFont::Normal);
    EXPECT_EQ(formatAt(*document, QStringLiteral("bold")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(*document, QStringLiteral("italic")).fontItalic());
    EXPECT_TRUE(formatAt(*document, QStringLiteral("under")).fontUnderline());
    EXPECT_TRUE(formatAt(*document, QStringLiteral("struck")).fontStrikeOut());
    const QTextCharFormat arial = formatAt(*document, QStringLiteral("arial"));
    EXPECT_EQ(arial.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_EQ(arial.fontPointSize(), 18);
    EXPECT_EQ(formatAt(*document, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(plain.foreground().style(), Qt::NoBrush) << "colour 0 is automatic";
    EXPECT_EQ(formatAt(*document, QStringLiteral("up")).verticalAlignment(),
              QTextCharFormat::AlignSuperScript);
    const QTextCharFormat reset = formatAt(*document, QStringLiteral("reset"));
    EXPECT_EQ(reset.fontWeight(), QFont::Normal);
    EXPECT_EQ(reset.fontPointSize(), 12);
    EXPECT_EQ(formatAt(*document, QStringLiteral("off")).fontWeight(), QFont::Normal);
}

TEST(RtfReader, ParagraphFormats) {
    const auto document =
        read(rtf("\\pard\\qc centred\\par\\pard\\qr right\\par\\pard\\qj justified\\par"
                 "\\pard\\li720\\ri360\\fi-360\\sb120\\sa240 indented\\par"
                 "\\pard\\tqr\\tx2880\\tx4320 tabs\\par after"));
    const QTextDocument& doc = *document;
    EXPECT_EQ(RtfTest::blockWith(doc, QStringLiteral("centred")).blockFormat().alignment(),
              Qt::AlignHCenter);
    EXPECT_EQ(RtfTest::blockWith(doc, QStringLiteral("right")).blockFormat().alignment(),
              Qt::AlignRight);
    EXPECT_EQ(RtfTest::blockWith(doc, QStringLiteral("justified")).blockFormat().alignment(),
              Qt::AlignJustify);
    const QTextBlockFormat indented =
        RtfTest::blockWith(doc, QStringLiteral("indented")).blockFormat();
    EXPECT_DOUBLE_EQ(indented.leftMargin(), pixels(720));
    EXPECT_DOUBLE_EQ(indented.rightMargin(), pixels(360));
    EXPECT_DOUBLE_EQ(indented.textIndent(), pixels(-360));
    EXPECT_DOUBLE_EQ(indented.topMargin(), pixels(120));
    EXPECT_DOUBLE_EQ(indented.bottomMargin(), pixels(240));
    const QList<QTextOption::Tab> tabs =
        RtfTest::blockWith(doc, QStringLiteral("tabs")).blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, pixels(2880));
    EXPECT_EQ(tabs[0].type, QTextOption::RightTab);
    EXPECT_EQ(tabs[1].type, QTextOption::LeftTab);
    const QTextBlockFormat after = RtfTest::blockWith(doc, QStringLiteral("after")).blockFormat();
    EXPECT_EQ(after.leftMargin(), 0) << "\\pard does not leak into the next paragraph";
    EXPECT_EQ(after.tabPositions().size(), 2) << "without \\pard the properties go on";
}

TEST(RtfReader, BulletsFromParagraphNumbering) {
    const auto document = read(
        rtf("{\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\fi-360\\li720 one\\par"
            "{\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}\\fi-360\\li720 two\\par"
            "\\pard plain\\par"));
    EXPECT_EQ(blockTexts(*document), (QStringList{"one", "two", "plain"}));
    const QTextList* list = RtfTest::blockWith(*document, QStringLiteral("one")).textList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(RtfTest::blockWith(*document, QStringLiteral("plain")).textList(), nullptr);
}

TEST(RtfReader, DefaultTabStopsAndFont) {
    const auto document = read("{\\rtf1\\deff1\\deftab1440{\\fonttbl{\\f0 A;}{\\f1 Courier New;}}"
                               "text}");
    EXPECT_DOUBLE_EQ(document->defaultTextOption().tabStopDistance(), pixels(1440));
    EXPECT_EQ(formatAt(*document, QStringLiteral("text")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("Courier New")});
}

TEST(RtfReader, PlainTextIsLoadedAsText) {
    const auto document = read("Just a note\r\nsecond line");
    EXPECT_EQ(blockTexts(*document), (QStringList{"Just a note", "second line"}));
}

TEST(RtfReader, FactoryLetterLayout) {
    const auto document = read(TestFiles::readAll(QStringLiteral(":/letters/DefaultLetter.rtf")));
    const QStringList blocks = blockTexts(*document);
    ASSERT_GE(blocks.size(), 20);
    EXPECT_EQ(blocks.mid(0, 3), (QStringList{"", "", ""}));
    const QString sevenTabs(7, u'\t');
    EXPECT_EQ(blocks.mid(3, 6),
              (QStringList{sevenTabs + "<PREPARER_NAME>", sevenTabs + "<PREPARER_ADDRESS1>",
                           sevenTabs + "<PREPARER_ADDRESS_CITY_STATE_ZIP>",
                           sevenTabs + "<PREPARER_PHONE_NUMBER>", "<DATE>", ""}));
    EXPECT_EQ(blocks.mid(9, 8),
              (QStringList{"<CLIENT_NAME>", "<CLIENT_ADDRESS1>", "<CLIENT_ADDRESS_CITY_STATE_ZIP>",
                           "<CLIENT_PHONE_NUMBER>", "", "Dear Sir or Madam:", "",
                           "Enclosed is your Illinois Sales Tax Return for the period ending "
                           "<PERIOD_ENDING>. The return showed a balance due of <AMOUNT_DUE>."}));
    EXPECT_EQ(
        RtfTest::blockWith(*document, QStringLiteral("Dear Sir")).next().blockFormat().alignment(),
        Qt::AlignHCenter);
    const QTextBlock item = RtfTest::blockWith(*document, QStringLiteral("Form ST-14"));
    EXPECT_EQ(item.text(), QStringLiteral("2.\tForm ST-14 accompanied with a payment made to "
                                          "\u201cChicago Soft Drink Tax\u201d to:"));
    EXPECT_DOUBLE_EQ(item.blockFormat().leftMargin(), pixels(1440));
    EXPECT_DOUBLE_EQ(item.blockFormat().textIndent(), pixels(-360));
    ASSERT_FALSE(item.blockFormat().tabPositions().isEmpty());
    EXPECT_DOUBLE_EQ(item.blockFormat().tabPositions().first().position, pixels(360))
        << "the hanging indent's own tab stop lines the item text up with its address";
    EXPECT_EQ(item.next().text(), QStringLiteral("CHICAGO SOFT DRINK TAX ADMINSTRATION"));
    EXPECT_DOUBLE_EQ(item.next().blockFormat().leftMargin(), pixels(1440));
    EXPECT_EQ(blocks.mid(blocks.size() - 5),
              (QStringList{"If you have any questions please feel free to call us at "
                           "<PREPARER_PHONE_NUMBER>",
                           "", "Sincerely yours,", "<PREPARER_NAME>", ""}));
    const QTextBlock last = document->lastBlock();
    EXPECT_EQ(last.charFormat().fontWeight(), QFont::Bold) << "the final empty bold paragraph";
    const QTextCharFormat text = formatAt(*document, QStringLiteral("Dear Sir"));
    EXPECT_EQ(text.fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});
    EXPECT_EQ(text.fontPointSize(), 10);
    EXPECT_DOUBLE_EQ(
        RtfTest::blockWith(*document, QStringLiteral("Dear Sir")).blockFormat().leftMargin(),
        pixels(720));
}

TEST(RtfReader, LibreOfficeDocumentKeepsTextAndBasicFormatting) {
    const auto document = read(TestFiles::readAll(
        TestPaths::testData(QStringLiteral("letters/libreoffice-formatted.rtf"))));
    const QTextDocument& doc = *document;
    EXPECT_EQ(
        blockTexts(doc),
        (QStringList{"Plain serif text.", "Centred bold heading",
                     "Italic words and underlined words in one line.", "Red right-aligned text",
                     "Large sans text", "First bullet", "Second bullet",
                     QStringLiteral("Accents: caf\u00e9, na\u00efve, \u20ac 5, "
                                    "\u201cquoted\u201d."),
                     "Indented one inch."}));
    EXPECT_EQ(formatAt(doc, QStringLiteral("Plain")).fontFamilies().toStringList(),
              QStringList{QStringLiteral("Liberation Serif")});
    EXPECT_EQ(RtfTest::blockWith(doc, QStringLiteral("Centred")).blockFormat().alignment(),
              Qt::AlignHCenter);
    EXPECT_EQ(formatAt(doc, QStringLiteral("Centred")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(doc, QStringLiteral("Italic")).fontItalic());
    EXPECT_FALSE(formatAt(doc, QStringLiteral("and")).fontItalic());
    EXPECT_TRUE(formatAt(doc, QStringLiteral("underlined")).fontUnderline());
    EXPECT_EQ(RtfTest::blockWith(doc, QStringLiteral("Red right")).blockFormat().alignment(),
              Qt::AlignRight);
    EXPECT_EQ(formatAt(doc, QStringLiteral("Red right")).foreground().color(), QColor(192, 0, 0));
    const QTextCharFormat large = formatAt(doc, QStringLiteral("Large"));
    EXPECT_EQ(large.fontPointSize(), 18);
    EXPECT_EQ(large.fontFamilies().toStringList(), QStringList{QStringLiteral("Liberation Sans")});
    const QTextList* bullets = RtfTest::blockWith(doc, QStringLiteral("First")).textList();
    ASSERT_NE(bullets, nullptr);
    EXPECT_EQ(bullets->count(), 2);
    EXPECT_EQ(bullets->format().style(), QTextListFormat::ListDisc);
    EXPECT_DOUBLE_EQ(RtfTest::blockWith(doc, QStringLiteral("Indented")).blockFormat().leftMargin(),
                     pixels(1440));
}

TEST(RtfReader, LibreOfficeLetterKeepsItsKeywordsUnbroken) {
    const QByteArray source =
        TestFiles::readAll(TestPaths::testData(QStringLiteral("letters/libreoffice-letter.rtf")));
    for (const char* keyword :
         {"<CLIENT_NAME>", "<PERIOD_ENDING>", "<AMOUNT_DUE>", "<PREPARER_NAME>"})
        EXPECT_TRUE(source.contains(keyword)) << keyword;
    const auto document = read(source);
    EXPECT_EQ(blockTexts(*document),
              (QStringList{"Dear <CLIENT_NAME>,",
                           "The return for the period ending <PERIOD_ENDING> shows a balance due "
                           "of <AMOUNT_DUE>.",
                           "Sincerely yours,", "<PREPARER_NAME>"}));
    EXPECT_EQ(formatAt(*document, QStringLiteral("Sincerely")).fontWeight(), QFont::Bold);
}

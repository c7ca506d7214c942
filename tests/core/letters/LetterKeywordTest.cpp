#include "letters/LetterGenerator.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
LetterInputs fullInputs() {
    LetterInputs inputs;
    inputs.preparer = {QStringLiteral("Pat Preparer"), QStringLiteral("1 Main St"),
                       QStringLiteral("Peoria"), QStringLiteral("61602"),
                       QStringLiteral("309-555-0100")};
    inputs.client = {QStringLiteral("Corner Store"), QStringLiteral("9 Elm Ave"),
                     QStringLiteral("Joliet"), QStringLiteral("60431"),
                     QStringLiteral("815-555-0199")};
    inputs.periodEnding = QStringLiteral("03/31/2026");
    inputs.amountDue = 1234;
    inputs.today = QDate(2005, 3, 5);
    return inputs;
}

QByteArray factoryLetter() {
    QFile file(QStringLiteral(":/letters/DefaultLetter.rtf"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Every keyword with its name, so the results below read like the letter.
const QByteArray kAllKeywords =
    "D=<DATE>|PN=<PREPARER_NAME>|PA=<PREPARER_ADDRESS1>|PC=<PREPARER_ADDRESS_CITY_STATE_ZIP>|"
    "PP=<PREPARER_PHONE_NUMBER>|CN=<CLIENT_NAME>|CA=<CLIENT_ADDRESS1>|"
    "CC=<CLIENT_ADDRESS_CITY_STATE_ZIP>|CP=<CLIENT_PHONE_NUMBER>|E=<PERIOD_ENDING>|A=<AMOUNT_DUE>";
} // namespace

TEST(LetterKeywords, FactoryLetterHasEveryKeywordUnbrokenInItsSource) {
    const QByteArray letter = factoryLetter();
    const std::pair<const char*, int> expected[] = {
        {"<DATE>", 1},
        {"<PREPARER_NAME>", 2},
        {"<PREPARER_ADDRESS1>", 1},
        {"<PREPARER_ADDRESS_CITY_STATE_ZIP>", 1},
        {"<PREPARER_PHONE_NUMBER>", 2},
        {"<CLIENT_NAME>", 1},
        {"<CLIENT_ADDRESS1>", 1},
        {"<CLIENT_ADDRESS_CITY_STATE_ZIP>", 1},
        {"<CLIENT_PHONE_NUMBER>", 1},
        {"<PERIOD_ENDING>", 1},
        {"<AMOUNT_DUE>", 1},
    };
    for (const auto& [keyword, count] : expected)
        EXPECT_EQ(letter.count(keyword), count) << keyword;
}

TEST(LetterKeywords, FactoryLetterGetsEveryOccurrenceReplaced) {
    const QByteArray letter = replaceLetterKeywords(factoryLetter(), fullInputs());
    EXPECT_FALSE(letter.contains("<")) << "a keyword was left";
    EXPECT_EQ(letter.count("Pat Preparer"), 2);
    EXPECT_EQ(letter.count("309-555-0100"), 2);
    for (const char* value :
         {"Mar 5, 2005", "1 Main St", "Peoria IL 61602", "Corner Store", "9 Elm Ave",
          "Joliet IL 60431", "815-555-0199", "03/31/2026", "$1234"})
        EXPECT_EQ(letter.count(value), 1) << value;
}

TEST(LetterKeywords, BlankRules) {
    struct Case {
        const char* name;
        void (*change)(LetterInputs&);
        QByteArray expected;
    };
    const Case cases[] = {
        {"everything given", [](LetterInputs&) {},
         "D=Mar 5, 2005|PN=Pat Preparer|PA=1 Main St|PC=Peoria IL 61602|PP=309-555-0100|"
         "CN=Corner Store|CA=9 Elm Ave|CC=Joliet IL 60431|CP=815-555-0199|E=03/31/2026|A=$1234"},
        {"empty preparer name blanks all four preparer keywords",
         [](LetterInputs& in) { in.preparer.name.clear(); },
         "D=Mar 5, 2005|PN= |PA= |PC= |PP= |CN=Corner Store|CA=9 Elm Ave|CC=Joliet IL 60431|"
         "CP=815-555-0199|E=03/31/2026|A=$1234"},
        {"empty preparer address blanks the address and city lines only",
         [](LetterInputs& in) { in.preparer.address1.clear(); },
         "D=Mar 5, 2005|PN=Pat Preparer|PA= |PC= |PP=309-555-0100|CN=Corner Store|CA=9 Elm Ave|"
         "CC=Joliet IL 60431|CP=815-555-0199|E=03/31/2026|A=$1234"},
        {"empty preparer phone", [](LetterInputs& in) { in.preparer.phone.clear(); },
         "D=Mar 5, 2005|PN=Pat Preparer|PA=1 Main St|PC=Peoria IL 61602|PP= |CN=Corner Store|"
         "CA=9 Elm Ave|CC=Joliet IL 60431|CP=815-555-0199|E=03/31/2026|A=$1234"},
        {"empty client name blanks all four client keywords",
         [](LetterInputs& in) { in.client.name.clear(); },
         "D=Mar 5, 2005|PN=Pat Preparer|PA=1 Main St|PC=Peoria IL 61602|PP=309-555-0100|CN= |"
         "CA= |CC= |CP= |E=03/31/2026|A=$1234"},
        {"empty client address blanks the address and city lines only",
         [](LetterInputs& in) { in.client.address1.clear(); },
         "D=Mar 5, 2005|PN=Pat Preparer|PA=1 Main St|PC=Peoria IL 61602|PP=309-555-0100|"
         "CN=Corner Store|CA= |CC= |CP=815-555-0199|E=03/31/2026|A=$1234"},
        {"empty city and zip give \" IL \"",
         [](LetterInputs& in) {
             in.client.city.clear();
             in.client.zipCode.clear();
             in.preparer.city.clear();
             in.preparer.zipCode.clear();
         },
         "D=Mar 5, 2005|PN=Pat Preparer|PA=1 Main St|PC= IL |PP=309-555-0100|CN=Corner Store|"
         "CA=9 Elm Ave|CC= IL |CP=815-555-0199|E=03/31/2026|A=$1234"},
        {"empty period and no amount due",
         [](LetterInputs& in) {
             in.periodEnding.clear();
             in.amountDue = 0;
         },
         "D=Mar 5, 2005|PN=Pat Preparer|PA=1 Main St|PC=Peoria IL 61602|PP=309-555-0100|"
         "CN=Corner Store|CA=9 Elm Ave|CC=Joliet IL 60431|CP=815-555-0199|E=|A=$0"},
    };
    for (const Case& c : cases) {
        LetterInputs inputs = fullInputs();
        c.change(inputs);
        EXPECT_EQ(replaceLetterKeywords(kAllKeywords, inputs), c.expected) << c.name;
    }
}

TEST(LetterKeywords, KeywordsInOtherCaseOrWithSpacesAreLeftAlone) {
    const QByteArray text = "<date> < DATE > <Date> <DATE > <CLIENT NAME> <amount_due>";
    EXPECT_EQ(replaceLetterKeywords(text, fullInputs()), text);
}

TEST(LetterKeywords, ValuesAreNotRescannedButLaterKeywordsInThemAreReplaced) {
    LetterInputs inputs = fullInputs();
    inputs.client.name = QStringLiteral("<AMOUNT_DUE> & <DATE>"); // DATE was replaced before
    EXPECT_EQ(replaceLetterKeywords("<CLIENT_NAME>", inputs), "$1234 & <DATE>");
}

TEST(LetterKeywords, ValuesAreEscapedForRtf) {
    LetterInputs inputs = fullInputs();
    inputs.client.name = QStringLiteral("A{B}\\C Caf\u00e9 \u20ac");
    EXPECT_EQ(replaceLetterKeywords("<CLIENT_NAME>", inputs), "A\\{B\\}\\\\C Caf\\'e9 \\'80");
}

TEST(LetterKeywords, AmountsAreWholeDollarsWithoutSeparators) {
    const std::pair<qint64, QByteArray> cases[] = {
        {1234, "$1234"}, {0, "$0"}, {1234567, "$1234567"}, {-5, "$-5"}};
    LetterInputs inputs = fullInputs();
    for (const auto& [amount, text] : cases) {
        inputs.amountDue = amount;
        EXPECT_EQ(replaceLetterKeywords("<AMOUNT_DUE>", inputs), text);
    }
}

TEST(LetterKeywords, DateText) {
    EXPECT_EQ(letterDateText(QDate(2005, 3, 5)), QStringLiteral("Mar 5, 2005"));
    EXPECT_EQ(letterDateText(QDate(2026, 1, 1)), QStringLiteral("Jan 1, 2026"));
    EXPECT_EQ(letterDateText(QDate(2026, 12, 31)), QStringLiteral("Dec 31, 2026"));
}

TEST(LetterKeywords, ClientLetterPathReplacesTheExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/Clients/Vtb00001.kvr", "/data/Clients/Vtb00001.tlt"},
        {"/data/my.clients/Vtb00002.kvr", "/data/my.clients/Vtb00002.tlt"},
        {"/data/my.clients/noextension", "/data/my.clients/noextension.tlt"},
        {"/data/archive.tar.kvr", "/data/archive.tar.tlt"},
        {"Vtb00003.kvr", "Vtb00003.tlt"},
    };
    for (const auto& [client, letter] : cases)
        EXPECT_EQ(clientLetterPath(QString::fromLatin1(client)), QString::fromLatin1(letter));
}

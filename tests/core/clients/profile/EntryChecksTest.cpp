#include "clients/profile/EntryChecks.h"

#include "clients/profile/EmailAddress.h"
#include "clients/profile/LocationNumbers.h"
#include "platform/FixedText.h"
#include "support/TestPaths.h"
#include "taxtables/TaxTable.h"

#include <gtest/gtest.h>

namespace {
struct EmailCase {
    const char* address;
    bool valid;
};

class EmailAddressTest : public ::testing::TestWithParam<EmailCase> {};

// Nothing needs to follow the last dot: "a@b." is the shortest address that passes.
TEST_P(EmailAddressTest, FollowsTheFiveRulesLiterally) {
    EXPECT_EQ(isValidEmail(QString::fromLatin1(GetParam().address)), GetParam().valid)
        << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, EmailAddressTest,
    ::testing::Values(EmailCase{"a@b.c", true}, EmailCase{"ab@c.", true}, EmailCase{"a@b.", true},
                      EmailCase{"@b.", false}, EmailCase{"john.doe@mail.example.com", true},
                      EmailCase{"Mixed-Case_1@Host.ORG", true}, EmailCase{"a@b.info", false},
                      EmailCase{"a@b_c.com", false}, EmailCase{"a_b@c.com", true},
                      EmailCase{"a@@b.com", false}, EmailCase{"a@b@c.com", false},
                      EmailCase{"a b@c.com", false}, EmailCase{"a@b.c ", false},
                      EmailCase{"ab.cd", false}, EmailCase{"abc@d", false}, EmailCase{"a@.b", true},
                      EmailCase{"a+b@c.com", false}, EmailCase{"", false}));

TEST(EmailAddressTest, LettersOutsideAToZAreRefused) {
    EXPECT_FALSE(isValidEmail(QStringLiteral("j\u00f6rg@b.de")));
}

class EntryChecksTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(table.load(TestPaths::source("resources/Data.tbl"))); }
    EntryChecks::SiteEntry complete() const {
        return {"Corner Store", "1 Main St",      "",           "Quincy",
                "62301",        "(217) 555-0100", "001-0001-6", "owner@corner.com"};
    }
    EntryChecks::SiteCheck check(const EntryChecks::SiteEntry& site) {
        return EntryChecks::checkSite(site, QStringLiteral("Business Name.\n"), table, record);
    }

    TaxTable table;
    TaxTableRecord record{};
};

TEST_F(EntryChecksTest, ACompleteSiteIsAcceptedAndGetsItsTableLine) {
    const EntryChecks::SiteCheck result = check(complete());
    EXPECT_TRUE(result.problem.isEmpty()) << result.problem.toStdString();
    EXPECT_TRUE(result.codeFound);
    EXPECT_EQ(FixedText::get(record.locationName).trimmed(), "QUINCY");
}

TEST_F(EntryChecksTest, MissingFieldsAreListedInFormOrder) {
    EntryChecks::SiteEntry site;
    site.address2 = "optional";
    site.phone = "(217) 555-0100";
    EXPECT_EQ(check(site).problem,
              "Please make sure to fill the following field(s):\nBusiness Name.\nAddress 1.\n"
              "City.\nZip Code.\nLocation Code.\n");
    site = complete();
    site.city.clear();
    site.locationCode.clear();
    EXPECT_EQ(check(site).problem,
              "Please make sure to fill the following field(s):\nCity.\nLocation Code.\n");
}

TEST_F(EntryChecksTest, EachLaterProblemIsReportedOnlyWhenTheEarlierOnesAreFixed) {
    struct Case {
        void (*spoil)(EntryChecks::SiteEntry&);
        const char* message;
        bool codeFound;
    };
    const Case cases[] = {
        {[](EntryChecks::SiteEntry& s) { s.locationCode = "076-5000"; },
         "A location code is 10 characters long; please specify a valid location code.\n", false},
        {[](EntryChecks::SiteEntry& s) { s.locationCode = "999-9999-9"; },
         "The location code you specified could not be found in the \"Tax Tables\".\nPlease "
         "specify a valid location code.\n",
         false},
        {[](EntryChecks::SiteEntry& s) {
             s.zipCode = "6230";
             s.email = "bad";
         },
         "Please enter a valid zip code\n", true},
        {[](EntryChecks::SiteEntry& s) { s.email = "a@b.info"; },
         "The e-mail address you entered is not correct; please enter a valid e-mail address or "
         "leave the \"Email Address\" field empty.",
         true},
        {[](EntryChecks::SiteEntry& s) { s.email.clear(); }, "", true},
    };
    for (const Case& c : cases) {
        EntryChecks::SiteEntry site = complete();
        c.spoil(site);
        const EntryChecks::SiteCheck result = check(site);
        EXPECT_EQ(result.problem, QString::fromLatin1(c.message));
        EXPECT_EQ(result.codeFound, c.codeFound) << c.message;
    }
}

TEST(TaxNumberCheckTest, TheIbtNumberIsRequiredAndNeedsNineCharacters) {
    EXPECT_EQ(EntryChecks::taxNumberProblem(""),
              "Please make sure to fill the following field(s):\nIllinois Business Tax Number "
              "(IBT #.).\n");
    EXPECT_EQ(EntryChecks::taxNumberProblem("1234-567"), "Please enter a valid IBT number\n");
    EXPECT_TRUE(EntryChecks::taxNumberProblem("1234-5678").isEmpty());
}

TEST(TransmittalCheckTest, OnlyADifferentAddressIsChecked) {
    EXPECT_TRUE(EntryChecks::transmittalProblem(false, "", "", "").isEmpty());
    EXPECT_EQ(EntryChecks::transmittalProblem(true, "", "Town", ""),
              "Please make sure to fill the following field(s):\nAddress 1.\nZip Code.\n");
    EXPECT_EQ(EntryChecks::transmittalProblem(true, "1 Road", "Town", "1234"),
              "Please enter a valid zip code\n");
    EXPECT_TRUE(EntryChecks::transmittalProblem(true, "1 Road", "Town", "12345").isEmpty());
}

TEST(LocationNumberCheckTest, TakesOneTo255) {
    const QString tooSmall = "Location number must be greater than 0.";
    const QString tooBig = "Location number can't be greater than 255.";
    EXPECT_EQ(EntryChecks::locationNumberProblem("0"), tooSmall);
    EXPECT_EQ(EntryChecks::locationNumberProblem(""), tooSmall);
    EXPECT_EQ(EntryChecks::locationNumberProblem("x"), tooSmall);
    EXPECT_EQ(EntryChecks::locationNumberProblem("256"), tooBig);
    EXPECT_EQ(EntryChecks::locationNumberProblem("99999"), tooBig);
    EXPECT_TRUE(EntryChecks::locationNumberProblem("1").isEmpty());
    EXPECT_TRUE(EntryChecks::locationNumberProblem("255").isEmpty());
}

TEST(LocationNumbersTest, ShownNumbersFallBackToThePositionAndTheNextIsOneMore) {
    ClientLocation first{}, second{}, third{};
    EXPECT_EQ(LocationNumbers::nextFree({}), 1);
    EXPECT_EQ(LocationNumbers::shown(first, 1), 1);
    second.locationNumber = 7;
    EXPECT_EQ(LocationNumbers::nextFree({&first, &second}), 8);
    // A location without a number counts as its position.
    EXPECT_EQ(LocationNumbers::nextFree({&second, &first, &third}), 8);
    second.locationNumber = 0;
    EXPECT_EQ(LocationNumbers::nextFree({&first, &second, &third}), 4);
}
} // namespace

#include "clients/profile/ClientAnswers.h"

#include "platform/FixedText.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {
ClientLocation location(const char* name) {
    ClientLocation site{};
    FixedText::set(site.name, name);
    return site;
}

class ClientAnswersTest : public ::testing::Test {
protected:
    void SetUp() override {
        FixedText::set(answers.draft->businessName, "Corner Store");
        FixedText::set(answers.businessEmail, "shop@corner.com");
        FixedText::set(answers.locationsEmail, "sites@corner.com");
        answers.locations = {location("North"), location("South")};
    }
    ClientAnswers answers;
    std::unique_ptr<ClientRecord> record = std::make_unique<ClientRecord>();
};

TEST_F(ClientAnswersTest, ANewSingleSiteClientTakesNoSlotsButTheStepsCount) {
    fillNewClient(answers, *record);
    EXPECT_EQ(clientName(*record), "Corner Store");
    EXPECT_EQ(FixedText::get(record->email), "shop@corner.com");
    EXPECT_EQ(record->locationCount, 2);
    EXPECT_EQ(record->locations[0].name[0], '\0');
    EXPECT_EQ(record->version, 2);
}

TEST_F(ClientAnswersTest, ANewMultiSiteClientTakesTheLocationsAndTheirAddress) {
    answers.draft->multiSite = 1;
    fillNewClient(answers, *record);
    EXPECT_EQ(record->locationCount, 2);
    EXPECT_EQ(clientName(*record), "North");
    EXPECT_EQ(FixedText::get(record->locations[1].name), "South");
    EXPECT_EQ(FixedText::get(record->email), "sites@corner.com");
}

TEST_F(ClientAnswersTest, ModifyKeepsOldSlotsOfASingleSiteClientAndTheCalculationMethod) {
    initClientRecord(*record);
    record->calculationMethod = 1;
    record->locationCount = 3;
    FixedText::set(record->locations[2].name, "Old");
    ClientAnswers modified = ClientAnswers::of(*record);
    EXPECT_EQ(modified.locations.size(), 3u);
    FixedText::set(modified.businessEmail, "new@corner.com");
    FixedText::set(modified.draft->businessName, "Renamed");
    applyAnswers(modified, *record);
    EXPECT_EQ(record->calculationMethod, 1);
    EXPECT_EQ(record->locationCount, 3);
    EXPECT_EQ(FixedText::get(record->locations[2].name), "Old");
    EXPECT_EQ(FixedText::get(record->email), "new@corner.com");
    EXPECT_EQ(FixedText::get(record->businessName), "Renamed");
}

TEST_F(ClientAnswersTest, ModifyOfAMultiSiteClientLeavesNoRemovedLocationBehind) {
    initClientRecord(*record);
    record->multiSite = 1;
    record->locationCount = 3;
    for (const char* name : {"A", "B", "C"})
        record->locations[name[0] - 'A'] = location(name);
    ClientAnswers modified = ClientAnswers::of(*record);
    modified.locations.erase(modified.locations.begin() + 1);
    applyAnswers(modified, *record);
    EXPECT_EQ(record->locationCount, 2);
    EXPECT_EQ(FixedText::get(record->locations[1].name), "C");
    const ClientLocation empty{};
    EXPECT_EQ(std::memcmp(&record->locations[2], &empty, sizeof empty), 0);
}
} // namespace

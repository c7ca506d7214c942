#include "FillingFixture.h"
#include "forms/FormImages.h"
#include "forms/PlaceholderSearch.h"
#include "forms/filling/FormTexts.h"

#include <cstring>

namespace {
using FormSetTest = FillingTest;

QString placeholderOf(const FormField& field) {
    return QString::fromLatin1(field.placeholder, qsizetype(::strnlen(field.placeholder, 128)));
}

// Every form object with its page image.
std::vector<std::pair<const FilledForm*, int>> formsOf(const FormSet& set) {
    std::vector<std::pair<const FilledForm*, int>> forms = {
        {&set.st1, FormImages::kSt1Page1}, {&set.st1Worksheet, FormImages::kSt1Page2},
        {&set.st14, FormImages::kSt14},    {&set.st4, FormImages::kSt4},
        {&set.st8, FormImages::kSt8},      {&set.gasoholWorksheet, FormImages::kGasoholWorksheet}};
    for (const St2PageForm& page : set.st2Pages)
        forms.emplace_back(&page, FormImages::kSt2Page);
    return forms;
}

// Whether a placeholder is absent from its image on purpose: key 63 of ST-1 page 1 and the
// single-space rate placeholders of the ST-2 totals block.
bool placeholderIsNotAField(const QString& placeholder, int image) {
    return (image == FormImages::kSt1Page1 && placeholder == QLatin1String("111111111111164")) ||
           placeholder == QLatin1String(" ");
}

// The search takes a placeholder's first occurrence, so what matters is that every field is
// found and that no two fields share bytes. Two placeholders of page 2 (keys 44 and 46) also
// occur inside the longer placeholders of keys 50 and 53; the image puts their own text items
// first.
TEST_F(FormSetTest, EveryFieldIsFoundAndNoTwoFieldsShareBytes) {
    for (const auto& [form, image] : formsOf(*set)) {
        std::vector<std::pair<qsizetype, qsizetype>> ranges;
        for (const FormField& field : form->fieldTable()) {
            const QString placeholder = placeholderOf(field);
            if (placeholderIsNotAField(placeholder, image))
                continue;
            const qsizetype position = PlaceholderSearch::find(form->templateImage(), placeholder);
            EXPECT_GE(position, 0) << "image " << image << " key " << field.key;
            const qsizetype end = position + 2 * placeholder.size();
            for (const auto& [otherStart, otherEnd] : ranges)
                EXPECT_TRUE(end <= otherStart || position >= otherEnd)
                    << "image " << image << " key " << field.key;
            ranges.emplace_back(position, end);
        }
    }
    EXPECT_EQ(set->st1.fieldTable().size(), 64u);
    EXPECT_EQ(set->st1Worksheet.fieldTable().size(), 58u);
    EXPECT_EQ(set->st14.fieldTable().size(), 20u);
    EXPECT_EQ(set->st4.fieldTable().size(), 28u);
    EXPECT_EQ(set->st8.fieldTable().size(), 27u);
    EXPECT_EQ(set->st2Pages[0].fieldTable().size(), 80u);
    EXPECT_EQ(set->gasoholWorksheet.fieldTable().size(), 11u);
}

TEST_F(FormSetTest, StartUpLeavesNoPlaceholderOnTheFilledPages) {
    FormSet startUp;
    ASSERT_EQ(loadFormImages(startUp), 0);
    ASSERT_TRUE(bringFormsToBlankState(startUp, context));
    for (const auto& [form, image] : formsOf(startUp)) {
        if (form == &startUp.gasoholWorksheet)
            continue; // first filled with a return
        for (const FormField& field : form->fieldTable()) {
            const QString placeholder = placeholderOf(field);
            if (!placeholderIsNotAField(placeholder, image)) {
                EXPECT_NE(form->fieldText(field.key), placeholder)
                    << "image " << image << " key " << field.key;
            }
        }
    }
    EXPECT_EQ(startUp.st1.fieldText(11), QStringLiteral(".0625"));
    EXPECT_EQ(startUp.st1.fieldText(48), QStringLiteral("1234           "));
    EXPECT_EQ(startUp.st1.fieldText(52), QStringLiteral("Jan 2005").leftJustified(30));
    EXPECT_EQ(startUp.st1.fieldText(59), QStringLiteral(" IL ").leftJustified(41));
    EXPECT_EQ(startUp.st14.fieldText(12), QStringLiteral("10693010512343 "));
}

TEST_F(FormSetTest, MissingImagesAreReportedByTheFirstLoad) {
    FormSet empty;
    EXPECT_FALSE(empty.st1.hasImage());
    EXPECT_FALSE(bringFormsToBlankState(empty, context)); // nothing to write into
}

TEST_F(FormSetTest, FieldCharactersAreCodePageBytes) {
    EXPECT_EQ(FormTexts::fieldChars(QStringLiteral("Caf\u00e9 \u20ac5")),
              QStringLiteral("Caf\u00e9 \u00805"));
    EXPECT_EQ(FormTexts::fieldChars(QStringLiteral("\u4e2d")), QStringLiteral("?"));
    // The preparer's name typed with a euro sign lands in the field as the byte 0x80.
    context.preparerName = QStringLiteral("\u20ac Co");
    ASSERT_EQ(set->st1.fill(*record, context), 0);
    EXPECT_EQ(set->st1.fieldText(45).at(0).unicode(), 0x80);
}
} // namespace

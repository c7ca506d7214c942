#include "forms/FormPage.h"

#include "forms/EmfWriter.h"
#include "forms/PlaceholderSearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A small page image with a label, an amount field, a rate field, two fields sharing one text
// item (as on the ST-1 voucher's scan line) and a name field.
QByteArray sampleImage(const QString& label = QStringLiteral("Total receipts")) {
    EmfWriter writer(QSize(2448, 3168), 288, QStringLiteral("sample"));
    writer.selectObject(writer.createFont(EmfFont{QStringLiteral("Courier New"), -40}));
    const auto text = [&writer](QPoint at, const QString& characters) {
        writer.textOut(at, characters, QList<qint32>(characters.size(), 24), 40, 10);
    };
    text(QPoint(100, 100), label);
    text(QPoint(800, 100), QStringLiteral("111111111111101"));
    text(QPoint(800, 200), QStringLiteral("11158"));
    text(QPoint(100, 300), QStringLiteral("111111111111156 111111111111157"));
    text(QPoint(100, 400), QString(41, QLatin1Char('A')));
    return writer.finish();
}

FormField sampleFields[] = {
    {1, "111111111111101", -1},
    {5, "11158", -1},
    {61, "111111111111156", -1},
    {62, "111111111111157", -1},
    {57, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", -1},
    {63, "111111111111164", -1}, // not in the image
};

class FormPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (FormField& field : sampleFields)
            field.position = -1;
        ASSERT_TRUE(folder.isValid());
        imagePath = folder.filePath(QStringLiteral("page.emf"));
        QFile file(imagePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sampleImage());
    }

    // Where a text stands in the working image, -1 when it does not.
    static qsizetype find(const FormPage& page, const QString& text) {
        return PlaceholderSearch::find(page.workingImage(), text);
    }

    QTemporaryDir folder;
    QString imagePath;
};

} // namespace

TEST_F(FormPageTest, LoadingGivesAWorkingImageEqualToTheTemplate) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    EXPECT_EQ(page.templateImage(), sampleImage());
    EXPECT_EQ(page.workingImage(), page.templateImage());
}

TEST_F(FormPageTest, MissingOrEmptyFilesAreNotLoaded) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    EXPECT_EQ(page.loadImage(folder.filePath(QStringLiteral("missing.emf"))), kFormPageFailed);
    EXPECT_FALSE(page.hasImage()); // the previous image is released
    QFile empty(folder.filePath(QStringLiteral("empty.emf")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_EQ(page.loadImage(empty.fileName()), kFormPageFailed);
    EXPECT_FALSE(page.hasImage());
}

TEST_F(FormPageTest, SetFieldOverwritesOnlyThePlaceholderCharacters) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    const QString amount = QStringLiteral("       1234 00 ");
    ASSERT_EQ(page.setField(1, amount), kFormPageOk);

    const qsizetype position = PlaceholderSearch::find(page.templateImage(), "111111111111101");
    EXPECT_EQ(find(page, amount), position);
    QByteArray expected = page.templateImage();
    expected.replace(position, 30, PlaceholderSearch::utf16Bytes(amount));
    EXPECT_EQ(page.workingImage(), expected);
    EXPECT_EQ(page.templateImage(), sampleImage()); // the template never changes
}

TEST_F(FormPageTest, AFieldWrittenTwiceShowsTheSecondText) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    ASSERT_EQ(page.setField(5, QStringLiteral(".0625")), kFormPageOk);
    ASSERT_EQ(page.setField(5, QStringLiteral(".0100")), kFormPageOk);
    EXPECT_EQ(find(page, QStringLiteral(".0625")), -1);
    EXPECT_NE(find(page, QStringLiteral(".0100")), -1);
}

TEST_F(FormPageTest, FailedWritesLeaveTheImageUnchanged) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    const struct {
        int key;
        QString text;
    } failures[] = {
        {1, QStringLiteral("1234567890123456")}, // one character too many
        {1, QStringLiteral("12345678901234")},   // one too few
        {63, QStringLiteral("               ")}, // placeholder missing from the image
        {99, QStringLiteral("               ")}, // key not in the table
        {57, QString(129, QLatin1Char('x'))},    // longer than any field text
    };
    for (const auto& failure : failures)
        EXPECT_EQ(page.setField(failure.key, failure.text), kFormPageFailed) << failure.key;
    EXPECT_EQ(page.workingImage(), page.templateImage());
}

TEST_F(FormPageTest, WritesFailWithoutATableOrAnImage) {
    FormPage withoutTable;
    ASSERT_EQ(withoutTable.loadImage(imagePath), kFormPageOk);
    EXPECT_EQ(withoutTable.setField(1, QStringLiteral("               ")), kFormPageFailed);
    FormPage withoutImage(sampleFields);
    EXPECT_EQ(withoutImage.setField(1, QStringLiteral("               ")), kFormPageFailed);
    EXPECT_EQ(withoutImage.saveImage(folder.filePath(QStringLiteral("out.emf"))), kFormPageFailed);
}

TEST_F(FormPageTest, WritingOneFieldOfASharedItemKeepsTheOther) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    ASSERT_EQ(page.setField(61, QStringLiteral("00201030512347 ")), kFormPageOk);
    EXPECT_NE(find(page, QStringLiteral("00201030512347  111111111111157")), -1);
}

TEST_F(FormPageTest, TheBlankSweepClearsEveryFieldAndPassesOverMissingOnes) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    ASSERT_EQ(page.setField(1, QStringLiteral("       1234 00 ")), kFormPageOk);
    page.blankAllFields();
    ASSERT_EQ(page.setField(5, QStringLiteral(".0625")), kFormPageOk);
    EXPECT_EQ(find(page, QStringLiteral("1234")), -1);
    EXPECT_NE(find(page, QStringLiteral("Total receipts")), -1);
    for (const char* placeholder : {"111111111111101", "111111111111156", "AAAAAAAAAA"})
        EXPECT_EQ(find(page, QLatin1String(placeholder)), -1) << placeholder;
    EXPECT_NE(find(page, QStringLiteral(".0625")), -1);
}

// Blanking again after fields were written, on a copy, and after another image of the same
// length was loaded gives each time exactly what blanking field by field gives.
TEST_F(FormPageTest, EveryBlankSweepGivesTheImageOfAFirstSweep) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    page.blankAllFields();
    const QByteArray blank = page.workingImage();
    ASSERT_NE(blank, page.templateImage());
    ASSERT_EQ(page.setField(1, QStringLiteral("       1234 00 ")), kFormPageOk);
    ASSERT_EQ(page.setField(57, QString(41, QLatin1Char('Z'))), kFormPageOk);
    page.blankAllFields();
    EXPECT_EQ(page.workingImage(), blank);

    FormPage copy(sampleFields);
    copy.copyFrom(page);
    ASSERT_EQ(copy.setField(5, QStringLiteral(".0625")), kFormPageOk);
    copy.blankAllFields();
    EXPECT_EQ(copy.workingImage(), blank);

    QFile other(folder.filePath(QStringLiteral("other.emf")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(sampleImage(QStringLiteral("Total payments")));
    other.close();
    ASSERT_EQ(page.loadImage(other.fileName()), kFormPageOk);
    ASSERT_EQ(page.workingImage().size(), blank.size());
    page.blankAllFields();
    EXPECT_NE(find(page, QStringLiteral("Total payments")), -1);
    EXPECT_EQ(find(page, QStringLiteral("111111111111101")), -1);
}

TEST_F(FormPageTest, PositionsAreSearchedOnceAndCachedInTheSharedTable) {
    FormPage first(sampleFields);
    ASSERT_EQ(first.loadImage(imagePath), kFormPageOk);
    ASSERT_EQ(first.setField(1, QStringLiteral("               ")), kFormPageOk);
    const qsizetype position = PlaceholderSearch::find(first.templateImage(), "111111111111101");
    EXPECT_EQ(sampleFields[0].position, position);

    FormPage second(sampleFields);
    second.copyFrom(first);
    ASSERT_EQ(second.setField(1, QStringLiteral("          7 00 ")), kFormPageOk);
    EXPECT_EQ(find(second, QStringLiteral("          7 00 ")), position);
    EXPECT_EQ(sampleFields[0].position, position);
    EXPECT_EQ(sampleFields[5].position, -1); // a missing placeholder stays unfound
}

TEST_F(FormPageTest, AStaleCachedPositionIsSearchedAgain) {
    sampleFields[0].position = 12; // as if cached for another image
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    ASSERT_EQ(page.setField(1, QStringLiteral("          7 00 ")), kFormPageOk);
    const qsizetype position = PlaceholderSearch::find(page.templateImage(), "111111111111101");
    EXPECT_EQ(find(page, QStringLiteral("          7 00 ")), position);
    EXPECT_EQ(page.workingImage().left(position), page.templateImage().left(position));
}

TEST_F(FormPageTest, CopyFromMakesIndependentCopies) {
    FormPage original(sampleFields);
    ASSERT_EQ(original.loadImage(imagePath), kFormPageOk);
    ASSERT_EQ(original.setField(5, QStringLiteral(".0625")), kFormPageOk);
    FormPage copy(sampleFields);
    copy.copyFrom(original);
    EXPECT_EQ(copy.workingImage(), original.workingImage());
    ASSERT_EQ(copy.setField(5, QStringLiteral(".0100")), kFormPageOk);
    EXPECT_NE(find(original, QStringLiteral(".0625")), -1);
    EXPECT_EQ(find(original, QStringLiteral(".0100")), -1);

    FormPage empty(sampleFields);
    copy.copyFrom(empty); // nothing to copy: the copy keeps its images
    EXPECT_NE(find(copy, QStringLiteral(".0100")), -1);
}

TEST_F(FormPageTest, SavedPagesReadBackAsTheWorkingImage) {
    FormPage page(sampleFields);
    ASSERT_EQ(page.loadImage(imagePath), kFormPageOk);
    ASSERT_EQ(page.setField(57, QStringLiteral("Corner Grocery").leftJustified(41)), kFormPageOk);
    const QString saved = folder.filePath(QStringLiteral("saved.emf"));
    ASSERT_EQ(page.saveImage(saved), kFormPageOk);
    FormPage reread(sampleFields);
    ASSERT_EQ(reread.loadImage(saved), kFormPageOk);
    EXPECT_EQ(reread.templateImage(), page.workingImage());

    EXPECT_EQ(page.saveImage(folder.filePath(QStringLiteral("no/such/folder/page.emf"))),
              kFormPageFailed);
}

TEST_F(FormPageTest, PlaceholderLookupByKey) {
    const FormPage page(sampleFields);
    EXPECT_EQ(page.placeholder(5), QStringLiteral("11158"));
    EXPECT_TRUE(page.placeholder(7).isEmpty());
}

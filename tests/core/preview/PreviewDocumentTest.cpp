#include "forms/preview/PreviewDocument.h"

#include "forms/FormImages.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PreviewDocument, NameIsTheCleanedBusinessNameAndTodaysDate) {
    const struct {
        const char* businessName;
        const char* fileName;
    } cases[] = {
        {"Acme Grocery", "Acme Grocery-3-9-2005.doc"},
        {"A/B:C*D?E\"F<G>H|I\\J", "A B C D E F G H I J-3-9-2005.doc"},
        {"  Joe's Deli  ", "Joe's Deli-3-9-2005.doc"},
        {"/Corner Store:", "Corner Store-3-9-2005.doc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(previewDocumentPath(QStringLiteral("/tmp/"), QString::fromLatin1(c.businessName),
                                      QDate(2005, 3, 9)),
                  QStringLiteral("/tmp/") + QString::fromLatin1(c.fileName));
}

class PreviewDocumentWriting : public ::testing::Test {
protected:
    QString pageFile(const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        TestFiles::writeAll(path, bytes);
        return path;
    }
    static PageEntry entry(const QString& path) {
        PageEntry page;
        page.imagePaths[0] = path;
        return page;
    }

    QTemporaryDir folder;
};

// Each page is one picture of its EMF bytes as they are; empty and missing page files are
// left out.
TEST_F(PreviewDocumentWriting, EmbedsEveryPageImageAsItIs) {
    const QByteArray st1 = TestFiles::readAll(FormImages::path(FormImages::kSt1Page1));
    const QByteArray st8 = TestFiles::readAll(FormImages::path(FormImages::kSt8));
    const PageList pages = {entry(pageFile(QStringLiteral("a.emf"), st1)),
                            entry(pageFile(QStringLiteral("empty.emf"), {})),
                            entry(folder.filePath(QStringLiteral("missing.emf"))),
                            entry(pageFile(QStringLiteral("b.emf"), st8))};
    const QString path = folder.filePath(QStringLiteral("preview.doc"));
    ASSERT_TRUE(writePreviewDocument(path, pages));

    const QByteArray picture =
        "{\\pict\\emfblip\\picw21590\\pich27589\\picwgoal12240\\pichgoal15840\\bin";
    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0\\fswiss"
        "\\fcharset0 Arial;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\\margl0\\margr0"
        "\\margt0\\margb0\\viewkind4\\uc1\\pard\\f0\\fs20" +
        picture + QByteArray::number(st1.size()) + ' ' + st1 + " }\n" + picture +
        QByteArray::number(st8.size()) + ' ' + st8 + " }\n" + "\\f1\\fs24\\par}";
    EXPECT_TRUE(TestFiles::readAll(path) == expected);
}

TEST_F(PreviewDocumentWriting, APageThatIsNoPageImageFailsAndLeavesNoDocument) {
    const PageList pages = {entry(pageFile(QStringLiteral("text.emf"), QByteArray(200, 'x')))};
    const QString path = folder.filePath(QStringLiteral("preview.doc"));
    EXPECT_FALSE(writePreviewDocument(path, pages));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PreviewDocumentWriting, AnUnwritableFolderFails) {
    const PageList pages;
    EXPECT_FALSE(
        writePreviewDocument(folder.filePath(QStringLiteral("no/such/folder.doc")), pages));
}

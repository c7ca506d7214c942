#include "forms/preview/PagePrinter.h"

#include "forms/filling/FormSet.h"
#include "forms/preview/ReturnGeneration.h"
#include "platform/Clock.h"
#include "returns/ReturnCalculation.h"
#include "returns/ReturnRecord.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a return that files every local return: ST-1 pages 1 and 2, ST-14, ST-4, ST-8.
class PagePrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedDate(QDate(2005, 3, 15));
        ASSERT_EQ(loadFormImages(set), 0);
        record = std::make_unique<ReturnRecord>();
        resetReturnAndForms(*record, set, context);
        initClientRecord(record->client);
        record->client.filesST14 = record->client.filesST4 = record->client.filesST8 = 1;
        record->st1.totalReceipts = 5000;
        computeAll(*record);
        context.vendorId = 4178;
        const GeneratedReturn generated = generateSingleSiteReturn(set, *record, context, false);
        ASSERT_EQ(generated.failure, GenerationFailure::None);
        pages = generated.pages;
    }
    void TearDown() override { Clock::release(); }

    // Prints the pages into a PDF file on paper of `size`; its path, or empty when printing
    // failed. `printable` receives the printable area in points.
    QString printOn(QPageSize::PageSizeId size, QRectF& printable) {
        const QString pdf = folder.filePath(QStringLiteral("printed-%1.pdf").arg(int(size)));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(size));
        printable = printer.pageLayout().paintRectPoints();
        return printPages(pages, printer) ? pdf : QString();
    }
    // The words of one sheet with their boxes, as pdftotext -bbox writes them.
    static QString wordsOf(const QString& pdf, int sheet) {
        return run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(sheet),
                    QStringLiteral("-l"), QString::number(sheet), pdf, QStringLiteral("-")});
    }

    FormSet set;
    std::unique_ptr<ReturnRecord> record;
    FillContext context;
    PageList pages;
    QTemporaryDir folder;
};
} // namespace

// The caption "ID: 4178" stands with its top-left corner at half the width and a fourteenth of
// the height of the form's area. ST-1 prints its own "ID:" in its artwork, so the caption is
// told by where it stands.
TEST_F(PagePrinterTest, PrintsOneSheetPerPageWithTheCaptionOnlyOnTheTireFeePage) {
    ASSERT_EQ(pages.size(), 5u);
    for (const QPageSize::PageSizeId paper : {QPageSize::Letter, QPageSize::A4}) {
        QRectF printable;
        const QString pdf = printOn(paper, printable);
        ASSERT_FALSE(pdf.isEmpty()) << paper;
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+5\\n"))))
            << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Vantrobe\\n"))))
            << info.toStdString();
        const QRectF area = letterArea(printable);
        const QPointF captionAt(area.left() + area.width() / 2, area.top() + area.height() / 14);
        const QRegularExpression idWord(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>ID:</word>"));
        for (int sheet = 1; sheet <= 5; ++sheet) {
            bool captionFound = false;
            for (const QRegularExpressionMatch& word : idWord.globalMatch(wordsOf(pdf, sheet)))
                captionFound |= std::abs(word.captured(1).toDouble() - captionAt.x()) < 1.5 &&
                                std::abs(word.captured(2).toDouble() - captionAt.y()) < 4;
            const bool tireFeePage = pages[std::size_t(sheet - 1)].kind == kPageSt8;
            EXPECT_EQ(captionFound, tireFeePage) << "paper " << paper << ", sheet " << sheet;
        }
    }
}

// On A4 (about 9 % taller than Letter for its width) the form keeps its proportions: the words
// of ST-1 page 1 span the same width for their height as on Letter, and stand centred on the
// sheet. A stretched form would be 9 % taller for its width.
TEST_F(PagePrinterTest, OtherPaperKeepsTheFormsProportionsCentred) {
    struct Extent {
        QRectF words;
        QRectF printable;
    };
    const QRegularExpression box(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\""));
    auto extentOn = [&](QPageSize::PageSizeId paper) {
        Extent extent;
        const QString pdf = printOn(paper, extent.printable);
        EXPECT_FALSE(pdf.isEmpty()) << paper;
        for (const QRegularExpressionMatch& word : box.globalMatch(wordsOf(pdf, 1)))
            extent.words |=
                QRectF(QPointF(word.captured(1).toDouble(), word.captured(2).toDouble()),
                       QPointF(word.captured(3).toDouble(), word.captured(4).toDouble()));
        return extent;
    };
    const Extent letter = extentOn(QPageSize::Letter);
    const Extent a4 = extentOn(QPageSize::A4);
    ASSERT_GT(letter.words.height(), 400);
    ASSERT_GT(a4.words.height(), 400);
    const double letterShape = letter.words.width() / letter.words.height();
    const double a4Shape = a4.words.width() / a4.words.height();
    EXPECT_NEAR(a4Shape / letterShape, 1.0, 0.005) << "the form is stretched on A4";
    // Where the words stand inside the form's area is the same on both papers.
    const QRectF letterArea_ = letterArea(letter.printable);
    const QRectF a4Area = letterArea(a4.printable);
    EXPECT_NEAR((a4.words.top() - a4Area.top()) / a4Area.height(),
                (letter.words.top() - letterArea_.top()) / letterArea_.height(), 0.002);
    EXPECT_NEAR((a4.words.left() - a4Area.left()) / a4Area.width(),
                (letter.words.left() - letterArea_.left()) / letterArea_.width(), 0.002);
}

TEST(LetterArea, IsTheLargestLetterShapedRectangleCentredInThePrintableArea) {
    const struct {
        QRectF printable;
        QRectF area;
    } cases[] = {
        {{0, 0, 850, 1100}, {0, 0, 850, 1100}},            // Letter: all of it
        {{0, 0, 1700, 2200}, {0, 0, 1700, 2200}},          // Letter at another resolution
        {{0, 0, 850, 1202.5}, {0, 51.25, 850, 1100}},      // taller paper: centred top to bottom
        {{10, 20, 1100, 1100}, {135, 20, 850, 1100}},      // wider: centred left to right
        {{0, 0, 1100, 850}, {221.5909, 0, 656.8182, 850}}, // landscape
    };
    for (const auto& c : cases) {
        const QRectF area = letterArea(c.printable);
        EXPECT_NEAR(area.left(), c.area.left(), 1e-3);
        EXPECT_NEAR(area.top(), c.area.top(), 1e-3);
        EXPECT_NEAR(area.width(), c.area.width(), 1e-3);
        EXPECT_NEAR(area.height(), c.area.height(), 1e-3);
    }
}

TEST_F(PagePrinterTest, AnUnreadablePageAbortsTheJob) {
    PageList broken = pages;
    broken[1].images[0].clear();
    broken[1].imagePaths[0] = folder.filePath(QStringLiteral("missing.emf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("aborted.pdf")));
    EXPECT_FALSE(printPages(broken, printer));
}

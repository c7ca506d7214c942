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
    void TearDown() override {
        deletePageFiles(pages);
        Clock::release();
    }

    FormSet set;
    std::unique_ptr<ReturnRecord> record;
    FillContext context;
    PageList pages;
    QTemporaryDir folder;
};
} // namespace

// The caption "ID: 4178" stands with its top-left corner at half the printable width and a
// fourteenth of the printable height. ST-1 prints its own "ID:" in its artwork, so the caption
// is told by where it stands.
TEST_F(PagePrinterTest, PrintsOneSheetPerPageWithTheCaptionOnlyOnTheTireFeePage) {
    ASSERT_EQ(pages.size(), 5u);
    const QString pdf = folder.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    ASSERT_TRUE(printPages(pages, printer));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+5\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Vantrobe\\n"))))
        << info.toStdString();
    const QRectF printable = printer.pageLayout().paintRectPoints();
    const QPointF captionAt(printable.left() + printable.width() / 2,
                            printable.top() + printable.height() / 14);
    const QRegularExpression idWord(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>ID:</word>"));
    for (int sheet = 1; sheet <= 5; ++sheet) {
        const QString words =
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(sheet),
                 QStringLiteral("-l"), QString::number(sheet), pdf, QStringLiteral("-")});
        bool captionFound = false;
        for (const QRegularExpressionMatch& word : idWord.globalMatch(words))
            captionFound |= std::abs(word.captured(1).toDouble() - captionAt.x()) < 1.5 &&
                            std::abs(word.captured(2).toDouble() - captionAt.y()) < 4;
        const bool tireFeePage = pages[std::size_t(sheet - 1)].kind == kPageSt8;
        EXPECT_EQ(captionFound, tireFeePage) << "sheet " << sheet;
    }
}

TEST_F(PagePrinterTest, AnUnreadablePageAbortsTheJob) {
    PageList broken = pages;
    broken[1].imagePaths[0] = folder.filePath(QStringLiteral("missing.emf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("aborted.pdf")));
    EXPECT_FALSE(printPages(broken, printer));
}

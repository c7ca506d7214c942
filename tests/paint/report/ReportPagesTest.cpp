// The explanation pages and the filing sheet as they come out of a printer: printed to a PDF
// through the program's page printing and read back with pdftotext.
#include "forms/report/ReportPages.h"

#include "forms/preview/PagePrinter.h"
#include "forms/preview/ReturnGeneration.h"
#include "forms/report/ReturnReports.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "returns/ReturnCalculation.h"
#include "returns/report/FilingSheet.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnExplanation.h"
#include "support/ExternalTool.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The worked example of a monthly return (8.75 %, food 2.25 %) of a client who files ST-14,
// ST-4 and ST-8, in March 2005.
class ReportPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedDate(QDate(2005, 3, 15));
        ReturnRecord& record = prepared.record;
        initClientRecord(record.client);
        FixedText::set(record.client.businessName, "Acme Grocery Inc");
        FixedText::set(record.client.ibtNumber, "1234-5678");
        record.client.taxRecord.parse(
            "076-5000-9SPRINGFIELD              SANGAMON                 200501010875002250 "
            "0625001000 00000                 0600000500 0600000500 00000 ");
        record.client.filesST14 = record.client.filesST4 = record.client.filesST8 = 1;
        record.period.monthIndex = 1;
        record.st1.totalReceipts = 10000.00;
        record.st1.foodSalesInside = 2000.00;
        record.worksheet.resale = 500;
        computeAll(record, prepared.steps);
    }
    void TearDown() override {
        deletePageFiles(pages);
        Clock::release();
    }

    // The pages printed to a PDF, as pdftotext reads them back, page by page.
    QStringList printedText() {
        const QString pdf = folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        EXPECT_TRUE(printPages(pages, printer));
        const ExternalTool::Run text = ExternalTool::run(
            QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_EQ(text.exitCode, 0) << text.output.toStdString();
        QStringList sheets = QString::fromUtf8(text.output).split(QLatin1Char('\f'));
        sheets.removeAll(QString());
        return sheets;
    }

    PreparedReturn prepared;
    PageList pages;
    QTemporaryDir folder;
};
} // namespace

TEST_F(ReportPagesTest, ExplanationsPrintAsTheirOwnNumberedPages) {
    pages = writeReportPages(explanationReport(prepared, explainReturn(prepared)));
    ASSERT_GT(pages.size(), 1u);
    for (const PageEntry& page : pages)
        EXPECT_TRUE(QFileInfo(page.path()).fileName().startsWith(QLatin1String("RPT")));
    const QStringList sheets = printedText();
    ASSERT_EQ(sheets.size(), qsizetype(pages.size()));
    const QString all = sheets.join(QLatin1Char('\n')).simplified();
    EXPECT_TRUE(sheets.front().contains(QStringLiteral("How each figure was computed")));
    EXPECT_TRUE(sheets.front().contains(QStringLiteral("Acme Grocery Inc")));
    EXPECT_TRUE(all.contains(QStringLiteral("Line 4a, Receipts taxed at the general rate 6,855")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("= 6,855.17, rounded to 6,855."))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("Line 9 645 \u00d7 discount rate 0.0175 = 11.29, "
                                            "rounded to 11.")))
        << all.toStdString();
    EXPECT_TRUE(sheets.back().contains(QStringLiteral("Page %1 of %1").arg(sheets.size())));
}

TEST_F(ReportPagesTest, FilingSheetFitsOnePageWithTheNotice) {
    pages = writeReportPages(filingSheetReport(filingSheet(prepared)));
    ASSERT_EQ(pages.size(), 1u);
    const QStringList sheets = printedText();
    ASSERT_EQ(sheets.size(), 1);
    const QString sheet = sheets.front().simplified();
    EXPECT_TRUE(sheet.contains(QStringLiteral("Electronic filing sheet")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("required to file ST-1, ST-4, ST-8 and ST-14 "
                                              "electronically")))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("Line 4a, Receipts taxed at the general rate 6855")))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QStringLiteral("Page 1 of 1")));
}

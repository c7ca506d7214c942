// The explanation pages and the filing sheet as they come out of a printer (printed to a PDF
// through the program's page printing) and as they are saved as PDF, read back with pdftotext
// and pdfinfo.
#include "forms/report/ReportPages.h"

#include "forms/preview/PagePrinter.h"
#include "forms/report/ReturnReports.h"
#include "platform/Clock.h"
#include "platform/FixedText.h"
#include "returns/ReturnCalculation.h"
#include "returns/report/FilingSheet.h"
#include "returns/report/PreparedReturn.h"
#include "returns/report/ReturnExplanation.h"
#include "support/ExternalTool.h"
#include "support/TestFiles.h"

#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
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
    void TearDown() override { Clock::release(); }

    // The pages printed to a PDF, as pdftotext reads them back, page by page.
    QStringList printedText() {
        const QString pdf = folder.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        EXPECT_TRUE(printPages(pages, printer));
        return textOf(pdf);
    }

    // The text of a PDF file as pdftotext reads it, page by page.
    static QStringList textOf(const QString& pdf) {
        const ExternalTool::Run text = ExternalTool::run(
            QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_EQ(text.exitCode, 0) << text.output.toStdString();
        QStringList sheets = QString::fromUtf8(text.output).split(QLatin1Char('\f'));
        sheets.removeAll(QString());
        return sheets;
    }

    // The document saved as PDF: its file.
    QString savedPdf(const ReportDocument& document) {
        const QString pdf = folder.filePath(QStringLiteral("saved.pdf"));
        const QByteArray bytes = reportPdf(document);
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        TestFiles::writeAll(pdf, bytes);
        return pdf;
    }

    // The return as a multi-site return of `count` locations, each with the figures of the
    // worked example.
    PreparedReturn multiSite(int count) const {
        PreparedReturn combined{prepared.record, {}, {}, 0, false};
        combined.record.client.multiSite = 1;
        for (int row = 0; row < count; ++row) {
            LocationResult location;
            const QByteArray name = QStringLiteral("Store %1").arg(row + 1).toLatin1();
            FixedText::set(location.location.name, name.constData());
            FixedText::set(location.location.locationCode, "076-5000-9");
            location.prepared = true;
            location.st1 = combined.record.st1;
            location.worksheet = combined.record.worksheet;
            location.st14 = combined.record.st14;
            location.st4 = combined.record.st4;
            location.st8 = combined.record.st8;
            combined.locations.push_back(location);
        }
        return combined;
    }

    // The ST-2 row of the location numbered `number` (a pattern), as pdftotext lays it out.
    QRegularExpression st2Row(const QString& number) const {
        const St1Lines& st1 = prepared.record.st1;
        return QRegularExpression(
            QStringLiteral("Location %1, Store %1 \\(076-5000-9\\) +%2 +%3 +%4 +%5 +0 +0 *\n")
                .arg(number)
                .arg(st1.line4a)
                .arg(st1.line4b)
                .arg(st1.line5a)
                .arg(st1.line5b));
    }

    PreparedReturn prepared;
    PageList pages;
    QTemporaryDir folder;
};
} // namespace

TEST_F(ReportPagesTest, ExplanationsPrintAsTheirOwnNumberedPages) {
    pages = reportPages(explanationReport(prepared, explainReturn(prepared)));
    ASSERT_GT(pages.size(), 1u);
    for (const PageEntry& page : pages)
        EXPECT_TRUE(page.path().isEmpty() && !page.image().isEmpty()) << "kept in memory";
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
    pages = reportPages(filingSheetReport(filingSheet(prepared)));
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

// Saved as PDF, the explanations are Letter pages whose text can be searched: a line's title
// with its amount, and the words of its steps.
TEST_F(ReportPagesTest, ExplanationsSavedAsPdfKeepTheirTextOnLetterPages) {
    const ReportDocument document = explanationReport(prepared, explainReturn(prepared));
    const QString pdf = savedPdf(document);
    const QString info =
        QString::fromUtf8(ExternalTool::run(QStringLiteral("pdfinfo"), {pdf}).output);
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts (letter)"))) << info.toStdString();
    pages = reportPages(document);
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\n").arg(pages.size()))))
        << info.toStdString();
    const QString all = textOf(pdf).join(QLatin1Char('\n')).simplified();
    EXPECT_TRUE(all.contains(QStringLiteral("Line 4a, Receipts taxed at the general rate 6,855")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("= 6,855.17, rounded to 6,855."))) << all.toStdString();
}

// The filing sheet of a return of up to a dozen locations is one page, in print and as PDF;
// every location has its row in each form's table.
TEST_F(ReportPagesTest, FilingSheetOfUpToTwelveLocationsIsOnePage) {
    for (const int count : {1, 3, 12}) {
        const PreparedReturn locations = multiSite(count);
        const ReportDocument document = filingSheetReport(filingSheet(locations));
        pages = reportPages(document);
        EXPECT_EQ(pages.size(), 1u) << count << " locations";
        const QStringList sheets = textOf(savedPdf(document));
        ASSERT_EQ(sheets.size(), 1) << count << " locations";
        const QString sheet = sheets.front();
        for (const char* form : {"ST-2", "ST-4", "ST-8", "ST-14"})
            EXPECT_TRUE(sheet.contains(QStringLiteral("%1, lines by location").arg(form))) << form;
        // A row of ST-2 per location, with lines 4a, 4b, 5a and 5b (8a and 8b are 0).
        EXPECT_EQ(sheet.count(st2Row(QStringLiteral("\\d+"))), count) << sheet.toStdString();
    }
}

// A sheet of more locations than a page holds goes on over further pages: each table that
// continues repeats its header, and no location's row is lost or doubled.
TEST_F(ReportPagesTest, FilingSheetOfFortyLocationsContinuesWithItsHeaders) {
    const ReportDocument document = filingSheetReport(filingSheet(multiSite(40)));
    const QStringList sheets = textOf(savedPdf(document));
    ASSERT_GT(sheets.size(), 1);
    const QString all = sheets.join(QLatin1Char('\n'));
    for (int row = 1; row <= 40; ++row) {
        EXPECT_EQ(all.count(st2Row(QString::number(row))), 1) << "location " << row;
    }
    for (qsizetype page = 1; page < sheets.size(); ++page) {
        EXPECT_TRUE(
            sheets[page].contains(QRegularExpression(QStringLiteral("Location +1 +2 +3 "))) ||
            sheets[page].contains(QRegularExpression(QStringLiteral("Location +4a +4b "))))
            << sheets[page].toStdString();
        EXPECT_TRUE(sheets[page].contains(
            QStringLiteral("Page %1 of %2").arg(page + 1).arg(sheets.size())));
    }
}

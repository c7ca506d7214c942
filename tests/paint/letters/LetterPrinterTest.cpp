#include "letters/LetterPrinter.h"

#include "RtfTestSupport.h"
#include "letters/LetterGenerator.h"
#include "support/TestFiles.h"

#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The text of a PDF as poppler's pdftotext reads it; empty when the tool is not installed.
QString pdfText(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

TEST(LetterPrinter, GeneratedLetterPrintsOnOneLetterPage) {
    LetterInputs inputs;
    inputs.preparer.name = QStringLiteral("Pat Preparer");
    inputs.preparer.address1 = QStringLiteral("1 Main St");
    inputs.preparer.city = QStringLiteral("Peoria");
    inputs.preparer.zipCode = QStringLiteral("61602");
    inputs.client.name = QStringLiteral("Corner Store");
    inputs.client.address1 = QStringLiteral("9 Elm Ave");
    inputs.client.city = QStringLiteral("Joliet");
    inputs.client.zipCode = QStringLiteral("60431");
    inputs.amountDue = 1234;
    inputs.today = QDate(2026, 4, 20);
    const auto letter = RtfTest::read(replaceLetterKeywords(
        TestFiles::readAll(QStringLiteral(":/letters/DefaultLetter.rtf")), inputs));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("letter.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
        writer.setResolution(600);
        ASSERT_TRUE(printLetter(*letter, writer));
    }
    EXPECT_EQ(letter->pageSize(), QTextDocument().pageSize()) << "the letter itself is unchanged";
    const QString text = pdfText(pdf);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(text.count(u'\f'), 1) << "one page";
    for (const char* line : {"Pat Preparer", "Peoria IL 61602", "Apr 20, 2026", "Corner Store",
                             "Joliet IL 60431", "Dear Sir or Madam:", "balance due of $1234.",
                             "SPRINGFIELD, IL 62796-0001", "Sincerely yours,"})
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line << "\n" << text.toStdString();
}

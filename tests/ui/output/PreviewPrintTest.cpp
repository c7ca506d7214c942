#include "output/ReturnPreviewWindow.h"
#include "support/BlankReturnPages.h"
#include "ui/ui/wizard/UiTestHelpers.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// A printer chooser that notes the paper the program asked for and then, as a printer without
// Letter paper would, prints on A4 into a PDF file.
class A4OnlyPrinter : public ScriptedMessages {
public:
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        askedFor = printer.pageLayout().pageSize().id();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        return true;
    }
    QPageSize::PageSizeId askedFor = QPageSize::Custom;
    QString pdf;
};

TEST(PreviewPrint, AsksForLetterPaperAndPrintsEveryPageOnWhatThePrinterHas) {
    BlankReturnPages blank;
    ASSERT_EQ(blank.pages().size(), 5u);
    PreviewContext context;
    context.pages = blank.pages();
    QTemporaryDir folder;
    A4OnlyPrinter printer;
    printer.pdf = folder.filePath(QStringLiteral("printed.pdf"));
    ReturnPreviewWindow window(context);
    window.print();
    EXPECT_EQ(printer.askedFor, QPageSize::Letter);
    EXPECT_TRUE(printer.shown.isEmpty()) << printer.shown.join(u'|').toStdString();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {printer.pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+5\\n"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("(A4)"))) << text.toStdString();
}

// With no printer installed, the chooser offers a PDF file to print to instead of a list with
// nothing in it.
TEST(PreviewPrint, WithoutAPrinterTheChooserOffersAFile) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer; the chooser is checked where there is none";
    bool offersFile = false;
    bool chooserShown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* chooser = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            chooserShown = true;
            offersFile = chooser->testOption(QAbstractPrintDialog::PrintToFile);
            chooser->reject();
        }
    });
    poll.start(5);
    QPrinter printer(QPrinter::HighResolution);
    EXPECT_FALSE(MessageBoxes::current().choosePrinter(nullptr, printer));
    EXPECT_TRUE(chooserShown);
    EXPECT_TRUE(offersFile);
}
} // namespace

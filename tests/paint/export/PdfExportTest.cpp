#include "forms/export/PdfExport.h"

#include "forms/export/PageRaster.h"
#include "platform/PrivateTempFolder.h"
#include "support/BlankReturnPages.h"
#include "support/ExternalTool.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Five page files as the fills write them.
class PdfExportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        blank = new BlankReturnPages;
        ASSERT_EQ(blank->pages().size(), 5u);
        pages = &blank->pages();
    }
    static void TearDownTestSuite() {
        delete blank;
        blank = nullptr;
    }

    // Each test gets its own private temporary folder, to see what an export leaves in it.
    void SetUp() override { PrivateTempFolder::setOverride(temp.path()); }
    void TearDown() override { PrivateTempFolder::setOverride({}); }

    QStringList temporaryTiffs() const {
        return QDir(temp.path()).entryList({QStringLiteral("TIF*")}, QDir::Files);
    }

    static BlankReturnPages* blank;
    static const PageList* pages;
    QTemporaryDir temp;
    QTemporaryDir output;
};

BlankReturnPages* PdfExportTest::blank = nullptr;
const PageList* PdfExportTest::pages = nullptr;

int objectNumberAt(const QByteArray& pdf, qint64 offset) {
    static const QRegularExpression header(QStringLiteral("^(\\d+) 0 obj\\r"));
    const auto match = header.match(QString::fromLatin1(pdf.mid(offset, 20)));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The file without the bytes of its image streams, which may hold any byte.
QByteArray withoutImageData(QByteArray pdf) {
    qsizetype start = 0;
    while ((start = pdf.indexOf("/Subtype /Image", start)) >= 0) {
        const qsizetype data = pdf.indexOf("stream\r\n", start) + 8;
        const qsizetype end = pdf.indexOf("\rendstream\r", data);
        pdf.remove(data, end - data);
        start = data;
    }
    return pdf;
}

TEST_F(PdfExportTest, FivePagesGiveObjectsOneToThirtyFourWithTheirTableAndTrailer) {
    const QString path = output.filePath(QStringLiteral("return.pdf"));
    ASSERT_TRUE(exportPdf(path, *pages, 5));
    const QByteArray pdf = TestFiles::readAll(path);

    EXPECT_TRUE(pdf.startsWith("%PDF-1.2\r1 0 obj\r<<\r/Creator ()\r/CreationDate ("));
    EXPECT_TRUE(pdf.endsWith("startxref\r" + QByteArray::number(pdf.lastIndexOf("xref\r0 35\r")) +
                             "\r%%EOF\r"));
    EXPECT_TRUE(pdf.contains("4 0 obj\r<<\r/Type /Pages\r/Kids [5 0 R 11 0 R 17 0 R 23 0 R 29 0 R "
                             "]\r/Count 5\r/MediaBox [0 0 0 0]\r>>\rendobj\r"));
    EXPECT_TRUE(pdf.contains("3 0 obj\r<<\r/S /GoTo\r/D [ 5 0 R /XYZ -32768 -32768 1.25 ]\r"));
    EXPECT_TRUE(pdf.contains("/Filter /CCITTFaxDecode\r/DecodeParms << /K 0 /Columns 1700 "
                             "/Rows 2200 >>\r/ColorSpace 34 0 R\r/Width 1700\r/Height 2200\r"
                             "/BitsPerComponent 1\r/Length 33 0 R\r"));
    EXPECT_TRUE(pdf.contains("6 0 obj\r<<\r/Length 30\r>>\rstream\r\nq\r612 0 0 792 0 0 cm\r"
                             "/Im0 Do\rQ\rendstream\rendobj\r"));

    // Every line ends with a carriage return alone; the only line feeds open streams.
    const QByteArray text = withoutImageData(pdf);
    EXPECT_EQ(text.count('\n'), text.count("stream\r\n"));

    // The cross-reference table: the free entry and 34 entries of 20 bytes, each at its object.
    const qsizetype xref = pdf.lastIndexOf("xref\r0 35\r");
    ASSERT_GT(xref, 0);
    const qsizetype entries = xref + qsizetype(strlen("xref\r0 35\r"));
    EXPECT_EQ(pdf.mid(entries, 20), QByteArray("0000000000 65535 f \r"));
    static const QRegularExpression entry(QStringLiteral("^(\\d{10}) 00000 n \\r$"));
    for (int number = 1; number <= 34; ++number) {
        const auto match = entry.match(QString::fromLatin1(pdf.mid(entries + 20 * number, 20)));
        ASSERT_TRUE(match.hasMatch()) << "entry " << number;
        EXPECT_EQ(objectNumberAt(pdf, match.captured(1).toLongLong()), number);
    }
    EXPECT_TRUE(pdf.mid(entries + 20 * 35)
                    .startsWith("trailer\r<<\r/Size 35\r/Root 2 0 R\r"
                                "/Info 1 0 R\r>>\rstartxref\r"));
}

TEST_F(PdfExportTest, RealReadersOpenTheFileAsFiveLetterPagesOfOneCcittImageEach) {
    const QString path = output.filePath(QStringLiteral("return.pdf"));
    ASSERT_TRUE(exportPdf(path, *pages, 5));

    const ExternalTool::Run check = ExternalTool::run(QStringLiteral("qpdf"), {"--check", path});
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    const ExternalTool::Run info = ExternalTool::run(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.output.contains("Pages:           5")) << info.output.toStdString();
    EXPECT_TRUE(info.output.contains("Page size:       612 x 792 pts"));
    const ExternalTool::Run images =
        ExternalTool::run(QStringLiteral("pdfimages"), {"-list", path});
    static const QRegularExpression row(QStringLiteral(
        "\\n\\s+(\\d+)\\s+\\d+\\s+image\\s+1700\\s+2200\\s+gray\\s+1\\s+1\\s+ccitt"));
    EXPECT_EQ(QString::fromLatin1(images.output).count(row), 5) << images.output.toStdString();
}

// A black-and-white page as a reader gives it back in a PBM file ("P4", 1 for black, rows
// padded to whole bytes like ours; readers may set the padding bits).
MonoRaster readPbm(const QString& path) {
    const QByteArray pbm = TestFiles::readAll(path);
    const QByteArray header = "P4\n1700 2200\n";
    if (!pbm.startsWith(header))
        return {};
    return MonoRaster{1700, 2200, pbm.mid(header.size())};
}

bool isBlack(const MonoRaster& raster, int x, int y) {
    return raster.row(y)[x >> 3] & (0x80 >> (x & 7));
}

// Whether a pixel lies on an edge of the raster: a neighbour has the other colour.
bool isOnEdge(const MonoRaster& raster, int x, int y) {
    for (int ny = std::max(0, y - 1); ny <= std::min(raster.height - 1, y + 1); ++ny) {
        for (int nx = std::max(0, x - 1); nx <= std::min(raster.width - 1, x + 1); ++nx) {
            if (isBlack(raster, nx, ny) != isBlack(raster, x, y))
                return true;
        }
    }
    return false;
}

struct Differences {
    int pixels = 0;
    int offEdges = 0; // differing pixels that are not on an edge of ours
};

Differences compare(const MonoRaster& ours, const MonoRaster& theirs) {
    Differences found;
    for (int y = 0; y < ours.height; ++y) {
        for (int x = 0; x < ours.width; ++x) {
            if (isBlack(ours, x, y) == isBlack(theirs, x, y))
                continue;
            ++found.pixels;
            found.offEdges += isOnEdge(ours, x, y) ? 0 : 1;
        }
    }
    return found;
}

TEST_F(PdfExportTest, ReadersGiveBackOurRasterOfAPage) {
    const QString path = output.filePath(QStringLiteral("return.pdf"));
    ASSERT_TRUE(exportPdf(path, *pages, 5));
    const MonoRaster ours = PageRaster::fromImage((*pages)[1].image());
    ASSERT_FALSE(ours.isNull());
    EXPECT_GT(ours.bits.count('\0'), 0);                // white space ...
    EXPECT_LT(ours.bits.count('\0'), ours.bits.size()); // ... and ink

    // The image of page 2, decoded: exactly our raster.
    const QString image = output.filePath(QStringLiteral("image"));
    ASSERT_EQ(ExternalTool::run(QStringLiteral("pdfimages"), {"-f", "2", "-l", "2", path, image})
                  .exitCode,
              0);
    const Differences decoded =
        compare(ours, readPbm(output.filePath(QStringLiteral("image-000.pbm"))));
    EXPECT_EQ(decoded.pixels, 0);

    // Page 2 rendered at 200 dpi: the renderer smooths the image while it places it, which
    // moves single pixels along the edges of the ink, and nothing else.
    const QString rendered = output.filePath(QStringLiteral("page"));
    ASSERT_EQ(ExternalTool::run(QStringLiteral("pdftoppm"),
                                {"-r", "200", "-mono", "-f", "2", "-l", "2", path, rendered})
                  .exitCode,
              0);
    const Differences printed = compare(ours, readPbm(rendered + QStringLiteral("-2.pbm")));
    EXPECT_EQ(printed.offEdges, 0);
    EXPECT_LT(printed.pixels, ours.width * ours.height / 50);
}

// More pages than are in work at a time (eight a core), some done by the workers and some by
// the calling thread: each page of the file holds exactly the raster of its own page, in the
// list's order.
TEST_F(PdfExportTest, EveryPageHoldsTheRasterOfItsOwnPageInOrder) {
    PageList list;
    while (list.size() <= size_t(8 * QThread::idealThreadCount() + 2)) {
        list.insert(list.end(), pages->begin(), pages->end());
        list.insert(list.end(), pages->rbegin(), pages->rend());
    }
    const QString path = output.filePath(QStringLiteral("return.pdf"));
    ASSERT_TRUE(exportPdf(path, list, int(list.size())));
    const QString image = output.filePath(QStringLiteral("image"));
    ASSERT_EQ(ExternalTool::run(QStringLiteral("pdfimages"), {path, image}).exitCode, 0);
    for (size_t page = 0; page < list.size(); ++page) {
        const QString decoded = QStringLiteral("%1-%2.pbm").arg(image).arg(page, 3, 10, QChar('0'));
        EXPECT_EQ(compare(PageRaster::fromImage(list[page].image()), readPbm(decoded)).pixels, 0)
            << "page " << page + 1;
    }
}

TEST_F(PdfExportTest, TheIntermediateTiffIsAValidMultiPageCcittFile) {
    const QString tiff = output.filePath(QStringLiteral("kept.tif"));
    PdfExportOptions options;
    options.keepTiffAs = tiff;
    ASSERT_TRUE(exportPdf(output.filePath(QStringLiteral("return.pdf")), *pages, 5, options));
    EXPECT_TRUE(temporaryTiffs().isEmpty());

    const ExternalTool::Run info = ExternalTool::run(QStringLiteral("tiffinfo"), {tiff});
    ASSERT_EQ(info.exitCode, 0) << info.output.toStdString();
    const QString text = QString::fromLatin1(info.output);
    EXPECT_EQ(text.count(QStringLiteral("Image Width: 1700 Image Length: 2200")), 5);
    EXPECT_EQ(text.count(QStringLiteral("Compression Scheme: CCITT Group 3")), 5);
    EXPECT_EQ(text.count(QStringLiteral("Photometric Interpretation: min-is-white")), 5);
    EXPECT_EQ(text.count(QStringLiteral("Resolution: 200, 200 pixels/inch")), 5);
    EXPECT_TRUE(text.contains(QStringLiteral("Page Number: 0-5")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page Number: 4-5")));
    EXPECT_TRUE(text.contains(QStringLiteral("PageName: Page 5")));
}

TEST_F(PdfExportTest, ABadPageFileFailsTheExportAndLeavesNothingBehind) {
    struct BadPage {
        const char* what;
        QByteArray bytes; // written to the page file; null: no file at all
    };
    const BadPage cases[] = {
        {"an empty page file", QByteArray("")},
        {"a missing page file", QByteArray()},
        {"a file that is not a page image", QByteArray("{\\rtf1 not a metafile}")},
    };
    for (const BadPage& bad : cases) {
        SCOPED_TRACE(bad.what);
        PageList list = *pages;
        const QString badPath = output.filePath(QStringLiteral("bad.emf"));
        QFile::remove(badPath);
        if (!bad.bytes.isNull())
            TestFiles::writeAll(badPath, bad.bytes);
        list[2] = pageOfFile(badPath);
        const QString pdf = output.filePath(QStringLiteral("return.pdf"));
        EXPECT_FALSE(exportPdf(pdf, list, 5));
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_TRUE(temporaryTiffs().isEmpty());
    }
}

TEST_F(PdfExportTest, AnUnwritableDestinationFailsAndWritesNothing) {
    TestFiles::writeAll(output.filePath(QStringLiteral("plain-file")), "not a folder");
    QStringList destinations{output.filePath(QStringLiteral("plain-file/return.pdf"))};
    QDir(output.path()).mkdir(QStringLiteral("read-only"));
    const QString readOnly = output.filePath(QStringLiteral("read-only"));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (geteuid() != 0) // the superuser writes into read-only folders
        destinations << readOnly + QStringLiteral("/return.pdf");
    for (const QString& pdf : destinations) {
        SCOPED_TRACE(pdf.toStdString());
        EXPECT_FALSE(exportPdf(pdf, *pages, 5));
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_TRUE(temporaryTiffs().isEmpty());
    }
    EXPECT_TRUE(QDir(readOnly).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    QFile::setPermissions(readOnly,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(PdfExportTest, ACancelledExportFailsAndLeavesNothingBehind) {
    PdfExportOptions options;
    int calls = 0;
    options.progress = [&](int done, int total) {
        ++calls;
        EXPECT_EQ(total, 5);
        EXPECT_EQ(temporaryTiffs().size(), 1) << "the TIFF is made in the private folder";
        return done < 3;
    };
    const QString pdf = output.filePath(QStringLiteral("return.pdf"));
    EXPECT_FALSE(exportPdf(pdf, *pages, 5, options));
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(temporaryTiffs().isEmpty());
}

// Users' folders such as "C:\Users\Zoë": the TIFF is written and read back through Qt's
// files, never through a path in the local 8-bit encoding.
TEST_F(PdfExportTest, FoldersWithNonAsciiNamesWork) {
    const QString privateFolder = temp.filePath(QStringLiteral("Zoë Łukasz"));
    const QString destination = output.filePath(QStringLiteral("Zoë/Müller GmbH"));
    ASSERT_TRUE(QDir().mkpath(privateFolder));
    ASSERT_TRUE(QDir().mkpath(destination));
    PrivateTempFolder::setOverride(privateFolder);
    PdfExportOptions options;
    options.keepTiffAs = destination + QStringLiteral("/kept é.tif");
    const QString pdf = destination + QStringLiteral("/Zoë's return.pdf");
    ASSERT_TRUE(exportPdf(pdf, *pages, 5, options));
    EXPECT_TRUE(TestFiles::readAll(pdf).startsWith("%PDF-1.2\r"));
    EXPECT_TRUE(TestFiles::readAll(options.keepTiffAs).startsWith("II*"));
    EXPECT_TRUE(QDir(privateFolder).isEmpty());
}

TEST_F(PdfExportTest, AFailedExportKeepsTheFileThatWasThere) {
    const QString pdf = output.filePath(QStringLiteral("return.pdf"));
    TestFiles::writeAll(pdf, "the earlier export");
    PageList list = *pages;
    list[4] = pageOfFile(output.filePath(QStringLiteral("missing.emf")));
    EXPECT_FALSE(exportPdf(pdf, list, 5));
    EXPECT_EQ(TestFiles::readAll(pdf), QByteArray("the earlier export"));
}

} // namespace

#include "forms/export/TiffToPdf.h"

#include "forms/export/PdfObjectWriter.h"
#include "forms/export/TiffFile.h"
#include "forms/export/TiffPage.h"
#include "platform/Clock.h"

#include <QLocale>
#include <QSaveFile>
#include <tiffio.h>
#include <vector>

namespace {

constexpr int kInfoObject = 1;
constexpr int kCatalogObject = 2;
constexpr int kOpenActionObject = 3;
constexpr int kPagesObject = 4;
constexpr int kFirstPageObject = 5;
constexpr int kObjectsPerPage = 6;
constexpr int kPaletteObjects = 2;
// Every page is a letter page, 8.5 x 11 inches in points.
constexpr int kPageWidth = 612;
constexpr int kPageHeight = 792;

// Where each page's objects start: six per page, two more for a palette image.
struct PageLayout {
    std::vector<int> firstObject;
    int objectCount = kPagesObject;
};

class ConversionError {
public:
    explicit ConversionError(QString text) : text_(std::move(text)) {}
    static ConversionError inFunction(const char* name) {
        return ConversionError(QStringLiteral("Error in function %1").arg(QLatin1String(name)));
    }
    const QString& text() const { return text_; }

private:
    QString text_;
};

// Checks every page and numbers the objects. Throws for a CMYK page.
PageLayout layOut(TIFF* tiff) {
    PageLayout layout;
    do {
        const TiffPage page = TiffPage::read(tiff);
        if (page.isCmyk())
            throw ConversionError(QStringLiteral("CMYK File Format not accepted"));
        layout.firstObject.push_back(layout.objectCount + 1);
        layout.objectCount += kObjectsPerPage + (page.isPalette() ? kPaletteObjects : 0);
    } while (TIFFReadDirectory(tiff));
    return layout;
}

void check(const PdfObjectWriter& writer, const char* function) {
    if (writer.failed())
        throw ConversionError::inFunction(function);
}

QByteArray creationDateText(const QDate& date) {
    return QLocale::c()
        .toString(date.isValid() ? date : Clock::today(), QStringLiteral("dddd, MMMM dd, yyyy"))
        .toLatin1();
}

void writeInfoObject(PdfObjectWriter& writer, const PdfDocumentInfo& info) {
    writer.beginObject(kInfoObject);
    writer.line("<<");
    writer.line("/Creator " + pdfString(info.creator));
    writer.line("/CreationDate (" + creationDateText(info.creationDate) + ")");
    writer.line("/Author " + pdfString(info.author));
    writer.line("/Producer " + pdfString(info.producer));
    writer.line("/Title " + pdfString(info.title));
    writer.line("/Subject " + pdfString(info.subject));
    writer.line("/Keywords " + pdfString(info.keywords));
    writer.line(">>");
    writer.endObject();
    check(writer, "tiff_writePDFInfoObject");
}

void writeCatalogObjects(PdfObjectWriter& writer) {
    writer.beginObject(kCatalogObject);
    writer.line("<<");
    writer.line("/Type /Catalog");
    writer.line("/Pages " + pdfReference(kPagesObject));
    writer.line("/OpenAction " + pdfReference(kOpenActionObject));
    writer.line(">>");
    writer.endObject();
    // The document opens on page 1 at 125 %, the position left as it is.
    writer.beginObject(kOpenActionObject);
    writer.line("<<");
    writer.line("/S /GoTo");
    writer.line("/D [ " + pdfReference(kFirstPageObject) + " /XYZ -32768 -32768 1.25 ]");
    writer.line(">>");
    writer.endObject();
    check(writer, "tiff_writePDFCatalogObject");
}

void writePagesObject(PdfObjectWriter& writer, const PageLayout& layout) {
    QByteArray kids = "/Kids [";
    for (const int page : layout.firstObject)
        kids += pdfReference(page) + ' ';
    writer.beginObject(kPagesObject);
    writer.line("<<");
    writer.line("/Type /Pages");
    writer.line(kids + "]");
    writer.line("/Count " + QByteArray::number(qsizetype(layout.firstObject.size())));
    writer.line("/MediaBox [0 0 0 0]");
    writer.line(">>");
    writer.endObject();
    check(writer, "tiff_writePDFPagesObject");
}

// The objects of one page, numbered from `first`: the page, its contents, the procedure set,
// the image, the image's length and the colour space (with the palette and its length).
struct PageObjects {
    int index;
    int first;
    int page() const { return first; }
    int contents() const { return first + 1; }
    int procSet() const { return first + 2; }
    int image() const { return first + 3; }
    int imageLength() const { return first + 4; }
    int colourSpace() const { return first + 5; }
    int palette() const { return first + 6; }
    int paletteLength() const { return first + 7; }
    QByteArray imageName() const { return "/Im" + QByteArray::number(index); }
};

void writePageObject(PdfObjectWriter& writer, const PageObjects& objects) {
    writer.beginObject(objects.page());
    writer.line("<<");
    writer.line("/Type /Page");
    writer.line("/Parent " + pdfReference(kPagesObject));
    writer.line("/MediaBox [0 0 " + QByteArray::number(kPageWidth) + ' ' +
                QByteArray::number(kPageHeight) + ']');
    writer.line("/Resources");
    writer.line("<<");
    writer.line("/XObject << " + objects.imageName() + ' ' + pdfReference(objects.image()) + " >>");
    writer.line("/ProcSet " + pdfReference(objects.procSet()) + ' ');
    writer.line(">>");
    writer.line("/Contents [" + pdfReference(objects.contents()) + "]");
    writer.line(">>");
    writer.endObject();
    check(writer, "tiff_writePDFPageObject");
}

void writeContentsObject(PdfObjectWriter& writer, const PageObjects& objects) {
    // The image scaled over the whole page.
    const QByteArray contents = "q\r" + QByteArray::number(kPageWidth) + " 0 0 " +
                                QByteArray::number(kPageHeight) + " 0 0 cm\r" +
                                objects.imageName() + " Do\rQ\r";
    writer.beginObject(objects.contents());
    writer.textStream(contents);
    writer.endObject();
    check(writer, "tiff_writePDFContentsObject");
}

void writeProcSetObject(PdfObjectWriter& writer, const PageObjects& objects, const TiffPage& page) {
    writer.beginObject(objects.procSet());
    writer.line(page.isColour() ? "[ /PDF /ImageC ]" : "[ /PDF /ImageI ]");
    writer.endObject();
    check(writer, "tiff_writePDFProcsetObject");
}

QByteArray filterLines(const TiffPage& page) {
    switch (page.compression) {
    case COMPRESSION_CCITTFAX3:
    case COMPRESSION_CCITTFAX4:
        return "/Filter /CCITTFaxDecode\r/DecodeParms << /K " +
               QByteArray(page.compression == COMPRESSION_CCITTFAX4 ? "-1" : "0") + " /Columns " +
               QByteArray::number(page.width) + " /Rows " + QByteArray::number(page.height) +
               " >>\r";
    case COMPRESSION_LZW:
        return "/Filter /LZWDecode\r";
    case COMPRESSION_NONE:
        return {};
    default:
        return "/Filter /RunLengthDecode\r";
    }
}

void writeImageObjects(PdfObjectWriter& writer, const PageObjects& objects, const TiffPage& page,
                       const QByteArray& data) {
    writer.beginObject(objects.image());
    writer.line("<<");
    writer.line("/Type /XObject");
    writer.line("/Subtype /Image");
    writer.line("/Name " + objects.imageName());
    writer.bytes(filterLines(page));
    writer.line("/ColorSpace " + pdfReference(objects.colourSpace()));
    writer.line("/Width " + QByteArray::number(page.width));
    writer.line("/Height " + QByteArray::number(page.height));
    writer.line("/BitsPerComponent " + QByteArray::number(page.bitsPerSample));
    writer.line("/Length " + pdfReference(objects.imageLength()));
    writer.line(">>");
    writer.dataStream(data);
    writer.endObject();
    check(writer, "tiff_writePDFXObject");
    writer.beginObject(objects.imageLength());
    writer.line(QByteArray::number(data.size()));
    writer.endObject();
    check(writer, "tiff_writePDFXObjectLength");
}

void writeColourSpaceObjects(PdfObjectWriter& writer, const PageObjects& objects,
                             const TiffPage& page) {
    writer.beginObject(objects.colourSpace());
    if (page.isPalette()) {
        writer.line("[ /Indexed /DeviceRGB " + QByteArray::number(page.paletteRgb.size() / 3 - 1) +
                    ' ' + pdfReference(objects.palette()) + " ]");
    } else {
        writer.line(page.samplesPerPixel >= 3 ? "/DeviceRGB" : "/DeviceGray");
    }
    writer.endObject();
    if (page.isPalette()) {
        writer.beginObject(objects.palette());
        writer.line("<<");
        writer.line("/Length " + pdfReference(objects.paletteLength()));
        writer.line(">>");
        writer.dataStream(page.paletteRgb);
        writer.endObject();
        writer.beginObject(objects.paletteLength());
        writer.line(QByteArray::number(page.paletteRgb.size()));
        writer.endObject();
    }
    check(writer, "tiff_writePDFXObject");
}

void writePage(PdfObjectWriter& writer, TIFF* tiff, const PageObjects& objects) {
    const TiffPage page = TiffPage::read(tiff);
    QByteArray data;
    if (!readRawStrips(tiff, page, data))
        throw ConversionError::inFunction("tiff_writePDFXObject");
    writePageObject(writer, objects);
    writeContentsObject(writer, objects);
    writeProcSetObject(writer, objects, page);
    writeImageObjects(writer, objects, page, data);
    writeColourSpaceObjects(writer, objects, page);
}

void writeDocument(QSaveFile& file, TIFF* tiff, const PageLayout& layout,
                   const PdfDocumentInfo& info) {
    PdfObjectWriter writer(file, layout.objectCount);
    writer.header();
    writeInfoObject(writer, info);
    writeCatalogObjects(writer);
    writePagesObject(writer, layout);
    if (!TIFFSetDirectory(tiff, 0))
        throw ConversionError(QStringLiteral("Error in convertTiffToPdf"));
    for (size_t index = 0; index < layout.firstObject.size(); ++index) {
        if (index > 0 && !TIFFReadDirectory(tiff))
            throw ConversionError(QStringLiteral("Error in convertTiffToPdf"));
        writePage(writer, tiff, PageObjects{int(index), layout.firstObject[index]});
    }
    writer.finish(kCatalogObject, kInfoObject);
    if (writer.failed() || !file.commit())
        throw ConversionError(QStringLiteral("Error in convertTiffToPdf"));
}

} // namespace

bool convertTiffToPdf(const QString& tiffPath, const QString& pdfPath, const PdfDocumentInfo& info,
                      QString* error) {
    try {
        const TiffFile tiff(tiffPath, TiffFile::Mode::Read);
        if (!tiff.get())
            throw ConversionError(QStringLiteral("Unable to open file."));
        const PageLayout layout = layOut(tiff.get());
        QSaveFile file(pdfPath);
        if (!file.open(QIODevice::WriteOnly))
            throw ConversionError(QStringLiteral("Unable to open file."));
        writeDocument(file, tiff.get(), layout, info);
        return true;
    } catch (const ConversionError& failure) {
        if (error)
            *error = failure.text();
        return false;
    }
}

// The form generator: draws the seven page images from their descriptions in pages/.
//
//   formgen PAGES_FOLDER OUTPUT_FOLDER          writes ID.emf for every ID.page
//   formgen --check PAGES_FOLDER IMAGES_FOLDER  fails when an image differs from its drawing
//   formgen --list IMAGE.emf                    prints the text items of an image

#include "PageDrawer.h"
#include "PageScript.h"
#include "forms/EmfTextItems.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QTextStream& errors() {
    static QTextStream stream(stderr);
    return stream;
}

bool readFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

// Draws one description; empty bytes after printing the reason.
QByteArray drawPage(const QString& descriptionPath) {
    QByteArray text;
    QList<PageCommand> commands;
    QString error;
    QByteArray image;
    if (!readFile(descriptionPath, text))
        error = QStringLiteral("cannot be read");
    else if (readPageScript(QString::fromUtf8(text), commands, error))
        image = PageDrawer().draw(commands, error);
    if (image.isEmpty())
        errors() << descriptionPath << ": " << error << Qt::endl;
    return image;
}

QFileInfoList descriptions(const QString& folder) {
    return QDir(folder).entryInfoList({QStringLiteral("*.page")}, QDir::Files, QDir::Name);
}

int generate(const QString& pagesFolder, const QString& outputFolder) {
    const QFileInfoList pages = descriptions(pagesFolder);
    if (pages.isEmpty() || !QDir().mkpath(outputFolder)) {
        errors() << "no page descriptions in " << pagesFolder << Qt::endl;
        return 1;
    }
    for (const QFileInfo& page : pages) {
        const QByteArray image = drawPage(page.filePath());
        QFile file(QDir(outputFolder).filePath(page.baseName() + QStringLiteral(".emf")));
        if (image.isEmpty() || !file.open(QIODevice::WriteOnly) ||
            file.write(image) != image.size()) {
            errors() << "cannot write " << file.fileName() << Qt::endl;
            return 1;
        }
    }
    return 0;
}

int check(const QString& pagesFolder, const QString& imagesFolder) {
    const QFileInfoList pages = descriptions(pagesFolder);
    int differences = pages.isEmpty() ? 1 : 0;
    for (const QFileInfo& page : pages) {
        const QString imagePath = QDir(imagesFolder).filePath(page.baseName() + ".emf");
        QByteArray committed;
        if (!readFile(imagePath, committed) || drawPage(page.filePath()) != committed) {
            errors() << imagePath << " differs from the drawing of " << page.fileName()
                     << "; run the regenerate-forms target" << Qt::endl;
            ++differences;
        }
    }
    return differences == 0 ? 0 : 1;
}

int list(const QString& imagePath) {
    QByteArray image;
    if (!readFile(imagePath, image)) {
        errors() << "cannot read " << imagePath << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    for (const EmfTextItem& item : emfTextItems(image)) {
        const QPointF at = QPointF(item.text.reference) / 4.0;
        out << QStringLiteral("%1 %2 %3 %4 cell %5 \"%6\"")
                   .arg(at.x(), 6, 'f', 2)
                   .arg(at.y(), 6, 'f', 2)
                   .arg(item.font.face)
                   .arg(-item.font.height / 4.0)
                   .arg(item.text.advances.value(0) / 4.0)
                   .arg(item.text.text)
            << Qt::endl;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Label widths come from the font files; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--list"))
        return list(arguments[1]);
    if (arguments.size() == 3 && arguments[0] == QLatin1String("--check"))
        return check(arguments[1], arguments[2]);
    if (arguments.size() == 2 && !arguments[0].startsWith(QLatin1String("--")))
        return generate(arguments[0], arguments[1]);
    errors() << "usage: formgen PAGES_FOLDER OUTPUT_FOLDER | --check PAGES_FOLDER IMAGES_FOLDER"
                " | --list IMAGE.emf"
             << Qt::endl;
    return 2;
}

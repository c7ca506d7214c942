// Renders a page image to PNG, to look at a page:
//
//   renderpage IMAGE.emf OUTPUT.png [--dpi N] [--fill]
//
// --fill writes test characters into every placeholder first (see TestDigits.h).

#include "TestDigits.h"
#include "forms/EmfFonts.h"
#include "forms/EmfPlayer.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a page image to PNG."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("image"), QStringLiteral("the .emf page image"));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("the .png to write"));
    const QCommandLineOption dpi(QStringLiteral("dpi"), QStringLiteral("dots per inch (150)"),
                                 QStringLiteral("N"), QStringLiteral("150"));
    const QCommandLineOption fill(QStringLiteral("fill"),
                                  QStringLiteral("fill every placeholder with test digits"));
    parser.addOptions({dpi, fill});
    parser.process(application);
    QTextStream errors(stderr);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);

    QFile input(parser.positionalArguments()[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        errors << "cannot read " << input.fileName() << Qt::endl;
        return 1;
    }
    QByteArray image = input.readAll();
    if (parser.isSet(fill))
        image = fillWithTestDigits(image);
    EmfFonts::registerProgramFonts();
    QString error;
    const QImage page = renderPage(image, parser.value(dpi).toInt(), &error);
    if (page.isNull() || !page.save(parser.positionalArguments()[1], "PNG")) {
        errors << input.fileName() << ": "
               << (error.isEmpty() ? QStringLiteral("the PNG cannot be written") : error)
               << Qt::endl;
        return 1;
    }
    return 0;
}

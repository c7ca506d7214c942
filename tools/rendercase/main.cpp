// Fills the forms of every case of a full-return case file and writes the filled pages, to
// look at them:
//
//   vantrobe-rendercase [--pdf] CASES.json OUTPUT-FOLDER
//   vantrobe-rendercase --history HISTORY-FILE CASES.json [OUTPUT-FOLDER]
//   vantrobe-rendercase --data DATA-FOLDER CASES.json [OUTPUT-FOLDER]
//
// Each case gets a folder "NN-<name>" in the output folder with st1-page1, st1-page2, st14,
// st4, st8 and gasohol-worksheet as .emf page images and 200-dpi PNGs (a page that was not
// filled is left out). With --pdf each folder also gets return.pdf, the return saved as the
// preview's "Save As" saves it. With --data the data folder gets "NN-<name>.json" and
// "NN-<name>.csv" of every case (multi-site cases too), the files "Export Return Data" writes.
// With --history each case (multi-site ones too) is stored as one entry of the history file,
// pages and inputs, as the wizard's Finish stores it and dated the case's `today`; the file is
// created when missing. Failures are reported; the command then exits with 1.

#include "CaseData.h"
#include "CaseHistory.h"
#include "CasePages.h"
#include "forms/EmfFonts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>

namespace {
// "03-negative line 25" from the case's position and name, safe as a folder name.
QString caseFolderName(qsizetype index, const QString& name) {
    QString cleaned = name.left(60);
    cleaned.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 ._-]+")), QStringLiteral(" "));
    return QStringLiteral("%1-%2").arg(index, 2, 10, QLatin1Char('0')).arg(cleaned.simplified());
}

bool readCases(const QString& path, QJsonArray& cases, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isArray()) {
        error = QStringLiteral("%1 is not a JSON array of cases: %2")
                    .arg(path, parseError.errorString());
        return false;
    }
    cases = document.array();
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Fills the forms of every case of a full-return case file and writes "
                       "each page as .emf and 200-dpi .png."));
    parser.addHelpOption();
    const QCommandLineOption pdf(QStringLiteral("pdf"),
                                 QStringLiteral("also write each case's return.pdf"));
    parser.addOption(pdf);
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("write each case's return data (.json, .csv) "
                                                 "into <folder>"),
                                  QStringLiteral("folder"));
    parser.addOption(data);
    const QCommandLineOption history(QStringLiteral("history"),
                                     QStringLiteral("store every case in the history file FILE"),
                                     QStringLiteral("FILE"));
    parser.addOption(history);
    parser.addPositionalArgument(QStringLiteral("cases"), QStringLiteral("the case file (.json)"));
    parser.addPositionalArgument(QStringLiteral("output"),
                                 QStringLiteral("the output folder of the pages"),
                                 QStringLiteral("[output]"));
    parser.process(application);
    const QStringList arguments = parser.positionalArguments();
    const bool withPages = arguments.size() == 2;
    if (arguments.isEmpty() || arguments.size() > 2 ||
        (!withPages && !parser.isSet(data) && !parser.isSet(history)))
        parser.showHelp(2);
    QTextStream out(stdout);
    QTextStream errors(stderr);

    QJsonArray cases;
    QString error;
    if (!readCases(parser.positionalArguments()[0], cases, error)) {
        errors << error << Qt::endl;
        return 1;
    }
    EmfFonts::registerProgramFonts();
    const QDir output(withPages ? arguments[1] : QString());
    const QDir dataFolder(parser.value(data));
    if (parser.isSet(data) && !QDir().mkpath(dataFolder.path())) {
        errors << "cannot create " << dataFolder.path() << Qt::endl;
        return 1;
    }
    bool allWritten = true;
    for (qsizetype index = 0; index < cases.size(); ++index) {
        const QJsonObject testCase = cases[index].toObject();
        const QString folder = caseFolderName(index, testCase[QStringLiteral("name")].toString());
        CasePages::Outcome outcome;
        if (withPages)
            outcome = CasePages::write(testCase, output.filePath(folder), parser.isSet(pdf));
        if (parser.isSet(data)) {
            const QStringList failures = CaseData::write(testCase, dataFolder.filePath(folder));
            if (failures.isEmpty())
                outcome.pages << folder + QStringLiteral(".json")
                              << folder + QStringLiteral(".csv");
            outcome.failures << failures;
        }
        if (parser.isSet(history)) {
            const QString failure = CaseHistory::store(testCase, parser.value(history));
            if (failure.isEmpty())
                outcome.pages << QStringLiteral("stored");
            else
                outcome.failures << failure;
        }
        out << folder << ": " << outcome.pages.join(QStringLiteral(", ")) << Qt::endl;
        for (const QString& failure : outcome.failures)
            out << "  " << failure << Qt::endl;
        allWritten = allWritten && outcome.failures.isEmpty();
    }
    return allWritten ? 0 : 1;
}

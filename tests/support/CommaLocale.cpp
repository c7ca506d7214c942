#include "support/CommaLocale.h"

#include "support/ExternalTool.h"

#include <clocale>

namespace {
constexpr char kLocaleName[] = "de_DE.UTF-8";
} // namespace

CommaLocale::CommaLocale()
    : previousLocale_(std::setlocale(LC_ALL, nullptr)), previousDefault_(QLocale()) {
    if (qEnvironmentVariableIsSet("LOCPATH"))
        previousLocalePath_ = qgetenv("LOCPATH");
    if (!switchOn()) {
        const QString generation = generate();
        if (!switchOn())
            problem_ = QStringLiteral("no comma locale: %1 is not installed and localedef could "
                                      "not make it: %2")
                           .arg(QLatin1String(kLocaleName), generation);
    }
    if (active())
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

CommaLocale::~CommaLocale() {
    if (previousLocalePath_)
        qputenv("LOCPATH", *previousLocalePath_);
    else
        qunsetenv("LOCPATH");
    std::setlocale(LC_ALL, previousLocale_.c_str());
    QLocale::setDefault(previousDefault_);
}

bool CommaLocale::switchOn() {
    return std::setlocale(LC_ALL, kLocaleName) &&
           std::localeconv()->decimal_point == std::string_view(",");
}

// Compiles the locale's sources (the locales package) into a folder of its own and points the
// C library at it; returns what localedef said. Its warnings give a non-zero exit although the
// locale is made, so only switching it on tells.
QString CommaLocale::generate() {
    generated_ = std::make_unique<QTemporaryDir>();
    const ExternalTool::Run run = ExternalTool::run(
        QStringLiteral("localedef"),
        {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
         QStringLiteral("UTF-8"), generated_->filePath(QLatin1String(kLocaleName))});
    qputenv("LOCPATH", generated_->path().toLocal8Bit());
    return QStringLiteral("exit %1 %2")
        .arg(run.exitCode)
        .arg(QString::fromLocal8Bit(run.output).trimmed());
}

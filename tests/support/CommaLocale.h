#pragma once

#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

// While it lives, the C library and Qt's default locale are German, whose decimal separator is
// a comma: what a user of such a machine runs the program under. When the machine lacks the
// locale, it is generated with localedef into a private folder (LOCPATH), which needs no
// rights and leaves the system as it was. `problem()` says why it could not be switched on;
// a test then skips with that text.
class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return problem_.isEmpty(); }
    const QString& problem() const { return problem_; }

private:
    bool switchOn();
    QString generate();

    std::string previousLocale_;
    std::optional<QByteArray> previousLocalePath_;
    QLocale previousDefault_;
    std::unique_ptr<QTemporaryDir> generated_;
    QString problem_;
};

#include "targets/FuzzEntries.h"
#include "targets/FuzzTarget.h"

namespace {
// A new target is one entry here and its entry function.
const FuzzTarget kTargets[] = {
    {"client-file", &FuzzEntries::clientFile, {QStringLiteral("tests/fuzz/seeds/client-file")}},
    {"tax-table", &FuzzEntries::taxTable, {QStringLiteral("resources/Data.tbl")}},
    {"emf-player", &FuzzEntries::emfPlayer, {QStringLiteral("resources/forms/*.emf")}},
    {"form-page", &FuzzEntries::formPage, {QStringLiteral("resources/forms/*.emf")}},
    {"rtf-reader",
     &FuzzEntries::rtfReader,
     {QStringLiteral("letters/resources/*.rtf"), QStringLiteral("tests/data/letters/*.rtf")}},
    {"letter-keywords",
     &FuzzEntries::letterKeywords,
     {QStringLiteral("letters/resources/DefaultLetter.rtf")}},
    {"history-reader",
     &FuzzEntries::historyReader,
     {QStringLiteral("tests/fuzz/seeds/history-reader")}},
    {"history-file",
     &FuzzEntries::historyFile,
     {QStringLiteral("tests/fuzz/seeds/history-file"),
      QStringLiteral("tests/fuzz/seeds/history-reader")}},
    {"archive", &FuzzEntries::archive, {QStringLiteral("tests/fuzz/seeds/archive")}},
    {"version-file", &FuzzEntries::versionFile, {QStringLiteral("tests/fuzz/seeds/version-file")}},
    {"update-manifest",
     &FuzzEntries::updateManifest,
     {QStringLiteral("tests/fuzz/seeds/update-manifest")}},
};
} // namespace

std::span<const FuzzTarget> FuzzTargets::all() {
    return kTargets;
}

const FuzzTarget* FuzzTargets::find(const QString& name) {
    for (const FuzzTarget& target : kTargets) {
        if (name == QLatin1String(target.name))
            return &target;
    }
    return nullptr;
}

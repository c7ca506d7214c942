#include "clients/profile/EntryChecks.h"

#include "clients/profile/EmailAddress.h"
#include "taxtables/TaxTable.h"

namespace {
const QString kMissingFields = QStringLiteral("Please make sure to fill the following field(s):\n");
const QString kShortLocationCode = QStringLiteral(
    "A location code is 10 characters long; please specify a valid location code.\n");
const QString kUnknownLocationCode =
    QStringLiteral("The location code you specified could not be found in the \"Tax Tables\".\n"
                   "Please specify a valid location code.\n");
const QString kBadZipCode = QStringLiteral("Please enter a valid zip code\n");
const QString kBadEmail =
    QStringLiteral("The e-mail address you entered is not correct; please enter a valid e-mail "
                   "address or leave the \"Email Address\" field empty.");

constexpr int kLocationCodeLength = 10;
constexpr int kShortestZipCode = 5;
constexpr int kShortestIbtNumber = 9;
constexpr int kHighestLocationNumber = 255;

bool isShortZip(const QString& zipCode) {
    return zipCode.size() < kShortestZipCode;
}
} // namespace

QString EntryChecks::missingFields(const std::vector<RequiredField>& fields) {
    QString lines;
    for (const auto& [text, line] : fields) {
        if (text.isEmpty())
            lines += line;
    }
    return lines.isEmpty() ? QString() : kMissingFields + lines;
}

EntryChecks::SiteCheck EntryChecks::checkSite(const SiteEntry& site, const QString& nameLine,
                                              const TaxTable& table, TaxTableRecord& taxRecord) {
    const QString missing =
        missingFields({{site.name, nameLine},
                       {site.address1, QStringLiteral("Address 1.\n")},
                       {site.city, QStringLiteral("City.\n")},
                       {site.zipCode, QStringLiteral("Zip Code.\n")},
                       {site.locationCode, QStringLiteral("Location Code.\n")}});
    if (!missing.isEmpty())
        return {missing};
    if (site.locationCode.size() < kLocationCodeLength)
        return {kShortLocationCode};
    if (!table.lookup(site.locationCode.toStdString(), taxRecord))
        return {kUnknownLocationCode};
    if (isShortZip(site.zipCode))
        return {kBadZipCode, true};
    if (!site.email.isEmpty() && !isValidEmail(site.email))
        return {kBadEmail, true};
    return {QString(), true};
}

QString EntryChecks::taxNumberProblem(const QString& ibtNumber) {
    const QString missing =
        missingFields({{ibtNumber, QStringLiteral("Illinois Business Tax Number (IBT #.).\n")}});
    if (!missing.isEmpty())
        return missing;
    if (ibtNumber.size() < kShortestIbtNumber)
        return QStringLiteral("Please enter a valid IBT number\n");
    return {};
}

QString EntryChecks::transmittalProblem(bool differs, const QString& address1, const QString& city,
                                        const QString& zipCode) {
    if (!differs)
        return {};
    const QString missing = missingFields({{address1, QStringLiteral("Address 1.\n")},
                                           {city, QStringLiteral("City.\n")},
                                           {zipCode, QStringLiteral("Zip Code.\n")}});
    if (!missing.isEmpty())
        return missing;
    return isShortZip(zipCode) ? kBadZipCode : QString();
}

QString EntryChecks::locationNumberProblem(const QString& number) {
    bool isNumber = false;
    const qlonglong value = number.trimmed().toLongLong(&isNumber);
    const qlonglong read = isNumber ? value : 0;
    if (read <= 0)
        return QStringLiteral("Location number must be greater than 0.");
    if (read > kHighestLocationNumber)
        return QStringLiteral("Location number can't be greater than 255.");
    return {};
}

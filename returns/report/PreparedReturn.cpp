#include "returns/report/PreparedReturn.h"

#include "platform/FixedText.h"
#include "returns/multisite/LocationReturn.h"

ReturnRecord PreparedReturn::locationReturn(int row) const {
    ReturnRecord location;
    takeLocationReturn(location, record, record.client, locations[size_t(row)]);
    return location;
}

QString PreparedReturn::locationTitle(int row) const {
    const ClientLocation& location = locations[size_t(row)].location;
    const std::string_view name = FixedText::view(location.name);
    return QStringLiteral("Location %1, %2")
        .arg(locationDisplayNumber(location, row))
        .arg(QString::fromLatin1(name.data(), qsizetype(name.size())));
}

std::vector<FigureForm> filedLocalForms(const ClientRecord& client) {
    std::vector<FigureForm> forms;
    if (client.filesST14 == 1)
        forms.push_back(FigureForm::St14);
    if (client.filesST4 == 1)
        forms.push_back(FigureForm::St4);
    if (client.filesST8 == 1)
        forms.push_back(FigureForm::St8);
    return forms;
}

PreparedReturn preparedMultiSiteReturn(const ReturnRecord& combined, const CalculationSteps& steps,
                                       const LocationResults& results) {
    PreparedReturn prepared{combined, steps, {}, 0, false};
    const auto listed = results.listed();
    prepared.locations.assign(listed.begin(), listed.end());
    return prepared;
}

#include "wizards/return/PeriodPage.h"

#include "platform/Clock.h"
#include "returns/EnteredSections.h"
#include "returns/LiabilityPeriod.h"
#include "returns/ReturnRecord.h"
#include "returns/inputs/CarryForward.h"
#include "wizards/return/PageKeys.h"
#include "wizards/return/ReturnWizardState.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QComboBox* choiceList(const QStringList& entries, int selected, const char* name) {
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    list->addItems(entries);
    list->setCurrentIndex(selected);
    return list;
}
} // namespace

PeriodPage::PeriodPage(ReturnWizardState& state, FigureImportTarget importTarget)
    : ReturnWizardPage(PageKeys::kPeriod, QStringLiteral("Dates"),
                       QStringLiteral("On the forms: the period after \"This form is for\", the "
                                      "due date, and the retailer's discount on ST-1 line 10."),
                       state),
      importTarget_(std::move(importTarget)) {}

void PeriodPage::buildContents(QVBoxLayout* box) {
    box->addWidget(paragraph(QStringLiteral("1- Are you filing this return on time?")));
    onTime_ = new QRadioButton(QStringLiteral("&YES"));
    onTime_->setObjectName(QStringLiteral("onTime"));
    auto* late = new QRadioButton(QStringLiteral("N&O"));
    auto* timeliness = new QButtonGroup(this);
    timeliness->addButton(onTime_);
    timeliness->addButton(late);
    onTime_->setChecked(true);
    auto* answers = new QHBoxLayout;
    answers->setContentsMargins(20, 0, 0, 0);
    answers->addWidget(onTime_);
    answers->addWidget(late);
    answers->addStretch();
    box->addLayout(answers);
    box->addWidget(paragraph(QStringLiteral(
        "Please note that this software will not calculate late filing penalty or interest.")));
    box->addSpacing(6);
    box->addWidget(paragraph(
        QStringLiteral("2- Is the \"Liability Period\" shown below correct? If not, please fill "
                       "in the proper period")));

    const PeriodChoices choices = periodChoices(Clock::today());
    monthly_ = new QRadioButton(QStringLiteral("This is a \"&Monthly\" return for the month of"));
    quarterly_ = new QRadioButton(QStringLiteral("This is a \"&Quarterly\" return for the"));
    annual_ = new QRadioButton(QStringLiteral("This is an \"&Annual\" return for the year "));
    monthly_->setObjectName(QStringLiteral("monthly"));
    quarterly_->setObjectName(QStringLiteral("quarterly"));
    annual_->setObjectName(QStringLiteral("annual"));
    months_ = choiceList(choices.months, choices.defaultMonth, "months");
    quarters_ = choiceList(choices.quarters, choices.defaultQuarter, "quarters");
    years_ = choiceList(choices.years, choices.defaultYear, "years");
    auto* kinds = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(20, 0, 0, 0);
    const std::pair<QRadioButton*, QComboBox*> rows[] = {
        {monthly_, months_}, {quarterly_, quarters_}, {annual_, years_}};
    for (const auto& [choice, list] : rows) {
        kinds->addButton(choice);
        const int row = grid->rowCount();
        grid->addWidget(choice, row, 0);
        grid->addWidget(list, row, 1);
        connect(choice, &QRadioButton::toggled, this, &PeriodPage::enableChosenList);
    }
    grid->setColumnStretch(1, 1);
    box->addLayout(grid);
    monthly_->setChecked(true);
    if (const QJsonValue start = state().startEntries[QStringLiteral("period")]; start.isObject())
        choosePeriod(EnteredSections::periodChoice(start.toObject()));
    enableChosenList();
    if (importTarget_.apply) {
        box->addSpacing(10);
        importPanel_ = new ImportFiguresPanel(state().client.record, importTarget_,
                                              [this] { return chosenPeriod(); });
        box->addWidget(importPanel_);
    }
    if (state().carryForward)
        box->addWidget(paragraph(carryForwardNote(*state().carryForward)));
}

void PeriodPage::choosePeriod(const ReturnPeriod& period) {
    for (QAbstractButton* answer : onTime_->group()->buttons())
        answer->setChecked((answer == onTime_) == (period.onTime != 0));
    QRadioButton* const kinds[] = {monthly_, quarterly_, annual_};
    if (period.periodType >= kMonthlyPeriod && period.periodType <= kAnnualPeriod)
        kinds[period.periodType]->setChecked(true);
    months_->setCurrentIndex(period.monthIndex);
    quarters_->setCurrentIndex(period.quarterIndex);
    years_->setCurrentIndex(period.yearIndex);
}

void PeriodPage::enableChosenList() {
    months_->setEnabled(monthly_->isChecked());
    quarters_->setEnabled(quarterly_->isChecked());
    years_->setEnabled(annual_->isChecked());
}

ReturnPeriod PeriodPage::chosenPeriod() const {
    ReturnPeriod period;
    period.onTime = onTime_->isChecked() ? 1 : 0;
    period.periodType = monthly_->isChecked()     ? kMonthlyPeriod
                        : quarterly_->isChecked() ? kQuarterlyPeriod
                                                  : kAnnualPeriod;
    period.monthIndex = months_->currentIndex();
    period.quarterIndex = quarters_->currentIndex();
    period.yearIndex = years_->currentIndex();
    applyPeriodChoice(period, Clock::today());
    return period;
}

int PeriodPage::nextPressed() {
    setPeriod(record(), chosenPeriod());
    return kMoveOn;
}

#include "WizardCaseDriver.h"

#include "output/ReturnPreviewWindow.h"
#include "ui/ui/wizard/UiTestHelpers.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/CWizardPage.h"
#include "wizards/return/PageKeys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {
// The sections of `input` whose values the steps' fields are named after.
const char* const kEntrySections[] = {"st1", "worksheet", "fuelSales", "st14", "st4", "st8"};
// What a step's fields are named that no section value types into directly.
const QString kFoodEntered = QStringLiteral("foodEntered");
const QString kFoodBase = QStringLiteral("foodSalesInside");

// A number as the preparer types it in the user's locale: the shortest text that reads back
// as the same value, with the locale's decimal separator.
QString typedNumber(double value) {
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QJsonValue entryNamed(const QJsonObject& input, const QString& name) {
    for (const char* section : kEntrySections) {
        const QJsonObject values = input[QLatin1String(section)].toObject();
        if (values.contains(name))
            return values[name];
    }
    return {};
}

template <typename Widget>
Widget* child(QWidget* page, const QString& name) {
    return page->findChild<Widget*>(name);
}

void click(QAbstractButton* button) {
    if (button)
        button->click();
}

void choosePeriod(QWidget* page, const QJsonObject& period) {
    const int type = period[QStringLiteral("periodType")].toInt();
    if (period[QStringLiteral("onTime")].toInt(1) == 0)
        click(child<QRadioButton>(page, QStringLiteral("onTime"))->group()->buttons().last());
    const char* const kinds[] = {"monthly", "quarterly", "annual"};
    click(child<QRadioButton>(page, QLatin1String(kinds[type])));
    child<QComboBox>(page, QStringLiteral("months"))
        ->setCurrentIndex(period[QStringLiteral("monthIndex")].toInt());
    child<QComboBox>(page, QStringLiteral("quarters"))
        ->setCurrentIndex(period[QStringLiteral("quarterIndex")].toInt());
    child<QComboBox>(page, QStringLiteral("years"))
        ->setCurrentIndex(period[QStringLiteral("yearIndex")].toInt());
}

void enterReceipts(QWidget* page, const QJsonObject& st1) {
    const double total = st1[QStringLiteral("totalReceipts")].toDouble();
    auto* blankForms = child<QCheckBox>(page, QStringLiteral("printBlankForms"));
    if (total == 0 && blankForms->isVisibleTo(page)) {
        click(blankForms);
        return;
    }
    // 0.01 is what the step stores for an entry of 0; a location has no blank forms.
    const QString typed = total <= 0.01 ? QStringLiteral("0") : typedNumber(total);
    typeInto(child<QLineEdit>(page, QStringLiteral("totalReceipts")), typed);
    typeInto(child<QLineEdit>(page, QStringLiteral("liquorPurchases")),
             typedNumber(st1[QStringLiteral("liquorPurchases")].toDouble()));
}

void enterFood(QWidget* page, const QJsonObject& st1) {
    if (st1[QStringLiteral("foodMethod")].toInt(1) == 2) {
        click(child<QRadioButton>(page, QStringLiteral("foodMethod2")));
        typeInto(child<QLineEdit>(page, kFoodEntered),
                 typedNumber(st1[QStringLiteral("foodEntered")].toDouble()));
        return;
    }
    click(child<QRadioButton>(page, QStringLiteral("foodMethod1")));
    typeInto(child<QLineEdit>(page, kFoodBase),
             typedNumber(st1[QStringLiteral("foodSalesInside")].toDouble()));
}

void chooseMethod(QWidget* page, const QJsonObject& section, const char* methodKey) {
    const int method = section[QLatin1String(methodKey)].toInt();
    click(child<QRadioButton>(page, QStringLiteral("method%1").arg(method + 1)));
}

// Every named edit field of the step that a section value belongs to gets that value typed; a
// field that shows a figure the case does not have (a location prepared again starts from its
// earlier figures) is emptied.
void typeEntries(QWidget* page, const QJsonObject& input) {
    for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
        if (field->objectName().isEmpty() || !field->isEnabled())
            continue;
        const QJsonValue value = entryNamed(input, field->objectName());
        if (value.isString())
            typeInto(field, value.toString());
        else if (value.isDouble() && value.toDouble() != 0)
            typeInto(field, typedNumber(value.toDouble()));
        else if (!field->text().isEmpty())
            typeInto(field, QString());
    }
}

void fillStep(QWidget* page, int key, const QJsonObject& input) {
    const QJsonObject st1 = input[QStringLiteral("st1")].toObject();
    switch (key) {
    case PageKeys::kPeriod:
        choosePeriod(page, input[QStringLiteral("period")].toObject());
        break;
    case PageKeys::kTotalReceipts:
        enterReceipts(page, st1);
        break;
    case PageKeys::kFoodInside:
        enterFood(page, st1);
        break;
    case PageKeys::kSt14:
        chooseMethod(page, input[QStringLiteral("st14")].toObject(), "st14Method");
        typeEntries(page, input);
        break;
    case PageKeys::kSt4Step1:
        chooseMethod(page, input[QStringLiteral("st4")].toObject(), "st4Method");
        typeEntries(page, input);
        break;
    default:
        typeEntries(page, input);
    }
}
} // namespace

bool WizardCaseDriver::fillStepsUntil(CWizardDialog& wizard, const QJsonObject& input, int stopKey,
                                      QString& problem) {
    // More presses than there are steps means a step refused its values.
    for (int presses = 0; presses < 30; ++presses) {
        CWizardPage* page = wizard.activePage();
        if (!page) {
            problem = QStringLiteral("no step is shown");
            return false;
        }
        if (page->key() == stopKey)
            return true;
        fillStep(page, page->key(), input);
        wizard.nextButton()->click();
        if (wizard.activePage() == page) {
            problem = QStringLiteral("step %1 refused its values").arg(page->key());
            return false;
        }
    }
    problem = QStringLiteral("step %1 was never reached").arg(stopKey);
    return false;
}

bool WizardCaseDriver::fillEveryStep(CWizardDialog& wizard, const QJsonObject& input,
                                     QString& problem) {
    return fillStepsUntil(wizard, input, PageKeys::kSummary, problem);
}

std::unique_ptr<QTimer>
WizardCaseDriver::whenPreviewOpens(std::function<void(ReturnPreviewWindow*)> script) {
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(5);
    QTimer* timer = poll.get();
    QObject::connect(timer, &QTimer::timeout, [timer, script] {
        auto* window = qobject_cast<ReturnPreviewWindow*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        timer->stop();
        script(window);
    });
    poll->start();
    return poll;
}

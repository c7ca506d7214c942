#include "app/OptionsDialog.h"
#include "app/PreparerInfoDialog.h"
#include "settings/MailSettings.h"
#include "settings/OptionsSettings.h"
#include "settings/PreparerInfoSettings.h"
#include "ui/MaskedEdit.h"
#include "ui/app/AppTestFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace {
template <typename Widget>
Widget* child(QWidget& parent, const char* name) {
    auto* found = parent.findChild<Widget*>(QLatin1String(name));
    EXPECT_TRUE(found) << name;
    return found;
}

class OptionsDialogTest : public AppTestFixture {
protected:
    OptionsSettings options{ProgramFolder::path()};
    MailSettings mail;
};

TEST_F(OptionsDialogTest, ShowsTheCurrentValues) {
    OptionsDialog dialog(options, mail);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(child<QLineEdit>(dialog, "clientFolder")->text(), clientFolder());
    EXPECT_FALSE(child<QCheckBox>(dialog, "destroyPermanently")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "printDateTaxPayer")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "printDateTaxPreparer")->isChecked());
    auto* frequency = child<QComboBox>(dialog, "updateFrequency");
    EXPECT_EQ(frequency->currentText(), QStringLiteral("Week"));
    EXPECT_EQ(frequency->count(), 4);
    EXPECT_EQ(child<QCheckBox>(dialog, "printDateTaxPreparer")->text(),
              QStringLiteral("Print date on P&reparer  signature line"));
    EXPECT_EQ(child<QSpinBox>(dialog, "mailPort")->value(), 587);
}

TEST_F(OptionsDialogTest, OkTakesEveryValueAndAddsTheFolderSeparator) {
    OptionsDialog dialog(options, mail);
    child<QLineEdit>(dialog, "clientFolder")->setText(QStringLiteral("/srv/clients"));
    for (const char* box : {"destroyPermanently", "allowBlankForms", "printGasohol",
                            "printDateTaxPayer", "printDateTaxPreparer"})
        child<QCheckBox>(dialog, box)->toggle();
    child<QComboBox>(dialog, "updateFrequency")->setCurrentIndex(3);
    child<QLineEdit>(dialog, "mailServer")->setText(QStringLiteral(" smtp.example.test "));
    child<QSpinBox>(dialog, "mailPort")->setValue(465);
    child<QCheckBox>(dialog, "mailTls")->setChecked(false);
    child<QLineEdit>(dialog, "mailUser")->setText(QStringLiteral("dana"));
    child<QLineEdit>(dialog, "mailSender")->setText(QStringLiteral("dana@example.test"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.clientFolderChanged());
    EXPECT_EQ(options.clientDataPath, QStringLiteral("/srv/clients/"));
    EXPECT_EQ(options.destroyClientDataPermanently, 1);
    EXPECT_EQ(options.allowBlankForms, 1);
    EXPECT_EQ(options.printGasoholWorksheet, 1);
    EXPECT_EQ(options.printDateTaxPayer, 0);
    EXPECT_EQ(options.printDateTaxPreparer, 0);
    EXPECT_EQ(options.checkForUpdatesFrequency, 3);
    EXPECT_EQ(mail.server, QStringLiteral("smtp.example.test"));
    EXPECT_EQ(mail.port, 465);
    EXPECT_EQ(mail.useTls, 0);
    EXPECT_EQ(mail.user, QStringLiteral("dana"));
    EXPECT_EQ(mail.sender, QStringLiteral("dana@example.test"));
}

TEST_F(OptionsDialogTest, TheSameFolderWithOrWithoutTheSeparatorIsNoChange) {
    for (const QString& typed : {clientFolder(), clientFolder().chopped(1)}) {
        OptionsDialog dialog(options, mail);
        child<QLineEdit>(dialog, "clientFolder")->setText(typed);
        dialog.accept();
        EXPECT_FALSE(dialog.clientFolderChanged()) << typed.toStdString();
        EXPECT_EQ(options.clientDataPath, clientFolder());
    }
}

TEST_F(OptionsDialogTest, ADamagedUpdateFrequencyShowsAndStoresTheDefault) {
    for (const int stored : {-1, 4, 99}) {
        options.checkForUpdatesFrequency = stored;
        OptionsDialog dialog(options, mail);
        EXPECT_EQ(child<QComboBox>(dialog, "updateFrequency")->currentText(),
                  QStringLiteral("Week"));
        dialog.accept();
        EXPECT_EQ(options.checkForUpdatesFrequency, 2);
    }
}

TEST_F(OptionsDialogTest, CancelChangesNothing) {
    OptionsDialog dialog(options, mail);
    child<QLineEdit>(dialog, "clientFolder")->setText(QStringLiteral("/elsewhere/"));
    child<QCheckBox>(dialog, "allowBlankForms")->setChecked(true);
    child<QLineEdit>(dialog, "mailServer")->setText(QStringLiteral("smtp.example.test"));
    dialog.reject();
    EXPECT_EQ(options.clientDataPath, clientFolder());
    EXPECT_EQ(options.allowBlankForms, 0);
    EXPECT_EQ(mail.server, QString());
}

TEST_F(OptionsDialogTest, AnEmptyFolderIsRefusedAndTheDialogStaysOpen) {
    OptionsDialog dialog(options, mail);
    dialog.show();
    child<QLineEdit>(dialog, "clientFolder")->setText(QStringLiteral("   "));
    child<QCheckBox>(dialog, "allowBlankForms")->setChecked(true);
    dialog.accept();
    EXPECT_EQ(boxes.texts(),
              QStringList{QStringLiteral("Please specify the folder for clients data.")});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(options.clientDataPath, clientFolder());
    EXPECT_EQ(options.allowBlankForms, 0);
}

class PreparerInfoDialogTest : public AppTestFixture {
protected:
    PreparerInfoDialogTest() {
        info.name = QStringLiteral("Dana Reyes");
        info.city = QStringLiteral("Peoria");
        info.zipCode = QStringLiteral("61602");
        info.phone = QStringLiteral("(309) 555-0142");
    }
    PreparerInfoSettings info;
};

TEST_F(PreparerInfoDialogTest, ShowsTheSixFieldsWithTheirMasks) {
    PreparerInfoDialog dialog(info);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tax Preparer Info"));
    EXPECT_EQ(child<QLineEdit>(dialog, "name")->text(), QStringLiteral("Dana Reyes"));
    EXPECT_EQ(child<QLineEdit>(dialog, "city")->text(), QStringLiteral("Peoria"));
    EXPECT_EQ(child<MaskedEdit>(dialog, "zipCode")->value(), QStringLiteral("61602"));
    EXPECT_EQ(child<MaskedEdit>(dialog, "phone")->value(), QStringLiteral("(309) 555-0142"));
}

TEST_F(PreparerInfoDialogTest, OkTakesTheTextsAsTheyStandEmptyOnesIncluded) {
    PreparerInfoDialog dialog(info);
    child<QLineEdit>(dialog, "name")->clear();
    child<QLineEdit>(dialog, "address1")->setText(QStringLiteral("12 Main St"));
    child<MaskedEdit>(dialog, "phone")->clear();
    auto* zip = child<MaskedEdit>(dialog, "zipCode");
    zip->clear();
    zip->setFocus();
    QTest::keyClicks(zip, QStringLiteral("6x0y6z01"));
    dialog.accept();
    EXPECT_EQ(info.name, QString());
    EXPECT_EQ(info.address1, QStringLiteral("12 Main St"));
    EXPECT_EQ(info.address2, QString());
    EXPECT_EQ(info.city, QStringLiteral("Peoria"));
    EXPECT_EQ(info.zipCode, QStringLiteral("60601"));
    EXPECT_EQ(info.phone, QString());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PreparerInfoDialogTest, CancelChangesNothing) {
    PreparerInfoDialog dialog(info);
    child<QLineEdit>(dialog, "name")->setText(QStringLiteral("Someone Else"));
    dialog.reject();
    EXPECT_EQ(info.name, QStringLiteral("Dana Reyes"));
}
} // namespace

#pragma once

#include <QDialog>

class MaskedEdit;
class PreparerInfoSettings;
class QLineEdit;

// "Tax Preparer Info": the preparer's name, address and phone number. OK copies the six texts
// back as they stand (empty ones included); Cancel changes nothing.
class PreparerInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreparerInfoDialog(PreparerInfoSettings& info, QWidget* parent = nullptr);

public slots:
    void accept() override;

private:
    PreparerInfoSettings& info_;
    QLineEdit* name_;
    QLineEdit* address1_;
    QLineEdit* address2_;
    QLineEdit* city_;
    MaskedEdit* zipCode_;
    MaskedEdit* phone_;
};

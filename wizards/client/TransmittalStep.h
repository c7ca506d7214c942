#pragma once

#include "wizards/client/YesNoStep.h"

class MaskedEdit;
class QGroupBox;
class QLineEdit;

// "Transmittal Address": whether letters go to an address other than the business's, and
// that address, shown only while YES is chosen.
class TransmittalStep : public YesNoStep {
    Q_OBJECT
public:
    explicit TransmittalStep(ClientWizardState& state);

    QGroupBox* addressGroup() const { return group_; }
    QLineEdit* address1Edit() const { return address1_; }
    QLineEdit* cityEdit() const { return city_; }
    MaskedEdit* zipEdit() const { return zip_; }

protected:
    void buildMore(QVBoxLayout* box) override;
    bool store() override;

private:
    QGroupBox* group_ = nullptr;
    QLineEdit* address1_ = nullptr;
    QLineEdit* address2_ = nullptr;
    QLineEdit* city_ = nullptr;
    MaskedEdit* zip_ = nullptr;
};

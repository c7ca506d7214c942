#pragma once

#include "wizards/client/YesNoStep.h"

#include <array>

class QLineEdit;

// "Motor Fuel": whether the client sells motor fuels and, for a single-site client in a place
// without a known home-rule fuel tax, the five taxes in cents per gallon. Storing also sets
// the motor fuel profile of every location of a multi-site client.
class MotorFuelStep : public YesNoStep {
    Q_OBJECT
public:
    explicit MotorFuelStep(ClientWizardState& state);
    void pageShown() override;

    // Gasoline, gasohol, diesel, dieselhol, special fuels.
    const std::array<QLineEdit*, 5>& amountEdits() const { return amounts_; }
    bool amountsShown() const;

protected:
    void buildMore(QVBoxLayout* box) override;
    bool store() override;

private:
    QWidget* amountsArea_ = nullptr;
    std::array<QLineEdit*, 5> amounts_{};
};

#pragma once

#include "returns/explain/Figure.h"

#include <QDialog>
#include <memory>

class ExplanationBrowser;
struct PreparedReturn;

// "How Computed": every explained figure of the return, with the one chosen selected.
class HowComputedDialog : public QDialog {
    Q_OBJECT
public:
    HowComputedDialog(std::shared_ptr<const PreparedReturn> prepared, QWidget* parent = nullptr);

    ExplanationBrowser* browser() const { return browser_; }

private:
    ExplanationBrowser* browser_;
};

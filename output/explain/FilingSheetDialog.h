#pragma once

#include "returns/report/FilingSheet.h"

#include <QDialog>
#include <memory>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
struct PreparedReturn;

// "Electronic Filing Sheet": what the preparer keys into the state's web filing, section by
// section, each amount with a Copy button that puts the bare number on the clipboard (Enter or
// Ctrl+C copies the selected one too), the electronic filing notice above when line 1 calls
// for it, and Print and Save as PDF of the one-page sheet.
class FilingSheetDialog : public QDialog {
    Q_OBJECT
public:
    FilingSheetDialog(std::shared_ptr<const PreparedReturn> prepared, QWidget* parent = nullptr);

    QTreeWidget* fields() const { return fields_; }
    QLabel* notice() const { return notice_; }
    QLabel* copied() const { return copied_; }

public slots:
    void copyCurrent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillFields();
    void copy(const FilingField& field);

    FilingSheet sheet_;
    QTreeWidget* fields_;
    QLabel* notice_;
    QLabel* copied_;
};

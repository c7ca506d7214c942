#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;
struct ClientRecord;

// The layout of a file of figures explained (FigureLayout::helpHtml), with "Save Template…"
// for the client when one is given.
class ImportLayoutDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportLayoutDialog(const ClientRecord* client, QWidget* parent = nullptr);

    QTextBrowser* text() const { return text_; }
    QPushButton* saveTemplateButton() const { return saveTemplate_; }

private:
    QTextBrowser* text_;
    QPushButton* saveTemplate_ = nullptr;
};

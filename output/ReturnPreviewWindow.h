#pragma once

#include "forms/preview/PageImages.h"
#include "forms/preview/PreviewContext.h"

#include <QDialog>

class PageView;
class ReturnDataCommands;
class QLabel;
class QPushButton;

// The "Preview Return" window: modal and maximised, the pages drawn by the page image player
// one below the other, with Print, Save As, E-mail and Transmittal Letter across the top
// ("Transmittal Letter" hidden for a return from the history), the zoom buttons and the page
// number. The pages can be scrolled and zoomed, not changed.
class ReturnPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReturnPreviewWindow(const PreviewContext& context, QWidget* parent = nullptr);
    // The same with the context's page images already read.
    ReturnPreviewWindow(const PreviewContext& context, PageImages images,
                        QWidget* parent = nullptr);

    const PreviewContext& context() const { return context_; }
    PageView* pageView() const { return pages_; }
    QPushButton* letterButton() const { return letterButton_; }

public slots:
    void print();
    void saveAs();
    void email();
    void transmittalLetter();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* makeCommandBar();
    QWidget* makeFileCommands(QWidget* parent);
    QWidget* makeViewCommands(QWidget* parent);
    QPushButton* addButton(QLayout* bar, const QString& text, const QIcon& icon,
                           void (ReturnPreviewWindow::*slot)());
    void showPageNumber(int index, int count);
    void keepKeyboardOnPages(QPushButton* button);

    const PreviewContext& context_;
    PageView* pages_;
    ReturnDataCommands* figures_;
    QPushButton* letterButton_ = nullptr;
    QLabel* pageNumber_ = nullptr;
};

// Shows the window for the context, whose preview document has been written from `images`;
// returns when the user closes it.
void showReturnPreview(QWidget* parent, const PreviewContext& context, PageImages images);

// Reads the context's page images (once), writes the preview document to `documentPath`, shows
// the window and deletes the document when it closes. False, after "An error occurred while
// preparing return preview.", when the document cannot be written, or after "An error occurred
// while loading return preview." when the written document or a page file cannot be read back.
bool openReturnPreview(QWidget* parent, PreviewContext& context, const QString& documentPath);

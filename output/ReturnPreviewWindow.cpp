#include "output/ReturnPreviewWindow.h"

#include "forms/preview/PagePrinter.h"
#include "forms/preview/PreviewDocument.h"
#include "letters/LetterCommands.h"
#include "output/ExportCommands.h"
#include "output/PageView.h"
#include "output/explain/ReturnDataCommands.h"
#include "ui/FlowLayout.h"
#include "ui/Icons.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ReturnPreviewWindow::ReturnPreviewWindow(const PreviewContext& context, QWidget* parent)
    : ReturnPreviewWindow(context, readPageImages(context.pages), parent) {}

ReturnPreviewWindow::ReturnPreviewWindow(const PreviewContext& context, PageImages images,
                                         QWidget* parent)
    : QDialog(parent), context_(context), pages_(new PageView(this)),
      figures_(new ReturnDataCommands(context.prepared, this)) {
    setWindowTitle(QStringLiteral("Preview Return"));
    setWindowIcon(Icons::program());
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeCommandBar());
    layout->addWidget(figures_->besidePages(pages_), 1);
    connect(pages_, &PageView::currentPageChanged, this, &ReturnPreviewWindow::showPageNumber);
    pages_->setPageImages(std::move(images));
    showPageNumber(pages_->currentPage(), pages_->pageCount());
}

// The commands across the top, in groups that wrap onto a second row where the screen is too
// narrow for one (a large font, a small screen), and Close at the right.
QWidget* ReturnPreviewWindow::makeCommandBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 6, 8, 6);
    auto* groups = new QWidget(bar);
    auto* flow = new FlowLayout(groups, 24, 6);
    flow->addWidget(makeFileCommands(groups));
    auto* data = new QWidget(groups);
    auto* dataRow = new QHBoxLayout(data);
    dataRow->setContentsMargins(0, 0, 0, 0);
    figures_->addButtons(dataRow);
    data->setVisible(dataRow->count() > 0);
    flow->addWidget(data);
    flow->addWidget(makeViewCommands(groups));
    row->addWidget(groups, 1);
    auto* close = new QPushButton(QStringLiteral("&Close"), bar);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(close, 0, Qt::AlignTop);
    return bar;
}

QWidget* ReturnPreviewWindow::makeFileCommands(QWidget* parent) {
    auto* group = new QWidget(parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(0, 0, 0, 0);
    const auto themed = [this](const char* name, QStyle::StandardPixmap fallback) {
        return QIcon::fromTheme(QLatin1String(name), style()->standardIcon(fallback));
    };
    addButton(row, QStringLiteral("&Print"), themed("document-print", QStyle::SP_FileIcon),
              &ReturnPreviewWindow::print);
    addButton(row, QStringLiteral("&Save As"),
              themed("document-save-as", QStyle::SP_DialogSaveButton),
              &ReturnPreviewWindow::saveAs);
    addButton(row, QStringLiteral("&E-mail"), themed("mail-send", QStyle::SP_ArrowRight),
              &ReturnPreviewWindow::email);
    letterButton_ = addButton(row, QStringLiteral("&Transmittal Letter"),
                              themed("x-office-document", QStyle::SP_FileDialogDetailedView),
                              &ReturnPreviewWindow::transmittalLetter);
    letterButton_->setVisible(!context_.fromHistory);
    return group;
}

QWidget* ReturnPreviewWindow::makeViewCommands(QWidget* parent) {
    auto* group = new QWidget(parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(0, 0, 0, 0);
    auto* zoomOut = new QPushButton(QStringLiteral("Zoom &Out"), group);
    auto* zoomIn = new QPushButton(QStringLiteral("Zoom &In"), group);
    auto* fitWidth = new QPushButton(QStringLiteral("Fit &Width"), group);
    auto* fitPage = new QPushButton(QStringLiteral("Fit P&age"), group);
    for (QPushButton* button : {zoomOut, zoomIn, fitWidth, fitPage}) {
        button->setAutoDefault(false);
        keepKeyboardOnPages(button);
        row->addWidget(button);
    }
    zoomOut->setToolTip(QStringLiteral("Smaller pages (Ctrl+Minus, or Ctrl+wheel)"));
    zoomIn->setToolTip(QStringLiteral("Larger pages (Ctrl+Plus, or Ctrl+wheel)"));
    connect(zoomOut, &QPushButton::clicked, pages_, &PageView::zoomOut);
    connect(zoomIn, &QPushButton::clicked, pages_, &PageView::zoomIn);
    connect(fitWidth, &QPushButton::clicked, pages_, &PageView::fitWidth);
    connect(fitPage, &QPushButton::clicked, pages_, &PageView::fitPage);
    row->addSpacing(16);
    pageNumber_ = new QLabel(group);
    row->addWidget(pageNumber_);
    return group;
}

QPushButton* ReturnPreviewWindow::addButton(QLayout* bar, const QString& text, const QIcon& icon,
                                            void (ReturnPreviewWindow::*slot)()) {
    auto* button = new QPushButton(icon, text, this);
    button->setAutoDefault(false);
    keepKeyboardOnPages(button);
    bar->addWidget(button);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

// A click on a button leaves the keyboard with the pages, so Page Down, Home and End go on
// working; Tab still reaches the button. Its command hands the keyboard back when it is done.
void ReturnPreviewWindow::keepKeyboardOnPages(QPushButton* button) {
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, pages_, [this] { pages_->setFocus(); });
}

void ReturnPreviewWindow::showPageNumber(int index, int count) {
    pageNumber_->setText(count == 0 ? QStringLiteral("No pages")
                                    : QStringLiteral("Page %1 of %2").arg(index + 1).arg(count));
}

void ReturnPreviewWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    pages_->setFocus();
}

// The window keeps itself maximised.
void ReturnPreviewWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMaximized))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void ReturnPreviewWindow::print() {
    if (context_.pages.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    // The forms are Letter pages; a printer that has no Letter paper keeps its own and
    // printPages scales the forms to fit it.
    printer.setPageSize(QPageSize(QPageSize::Letter));
    if (!MessageBoxes::current().choosePrinter(this, printer))
        return;
    WaitCursor wait;
    if (!printPages(context_.pages, printer))
        MessageBoxes::current().inform(
            this, QStringLiteral("The return could not be printed. Please check the printer."),
            MessageIcon::Stop);
}

void ReturnPreviewWindow::saveAs() {
    saveReturnAs(this, context_, context_.documentPath);
}

void ReturnPreviewWindow::email() {
    emailReturn(this, context_);
}

void ReturnPreviewWindow::transmittalLetter() {
    if (context_.fromHistory || context_.paymentDue == -1)
        return;
    printTransmittalLetter(this, context_.letterInputs());
}

void showReturnPreview(QWidget* parent, const PreviewContext& context, PageImages images) {
    ReturnPreviewWindow window(context, std::move(images), parent);
    window.setWindowState(Qt::WindowMaximized);
    window.exec();
}

bool openReturnPreview(QWidget* parent, PreviewContext& context, const QString& documentPath) {
    PageImages images = readPageImages(context.pages);
    if (!writePreviewDocument(documentPath, images)) {
        MessageBoxes::current().inform(
            parent, QStringLiteral("An error occurred while preparing return preview."),
            MessageIcon::Stop);
        return false;
    }
    if (!previewDocumentLoads(documentPath, images)) {
        QFile::remove(documentPath);
        MessageBoxes::current().inform(
            parent, QStringLiteral("An error occurred while loading return preview."),
            MessageIcon::Stop);
        return false;
    }
    context.documentPath = documentPath;
    showReturnPreview(parent, context, std::move(images));
    QFile::remove(documentPath);
    context.documentPath.clear();
    return true;
}

#include "output/explain/FilingSheetDialog.h"

#include "forms/report/ReturnReports.h"
#include "output/explain/ReportCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kSectionRole = Qt::UserRole;
constexpr int kFieldRole = Qt::UserRole + 1;

QPushButton* commandButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}
} // namespace

FilingSheetDialog::FilingSheetDialog(std::shared_ptr<const PreparedReturn> prepared,
                                     QWidget* parent)
    : QDialog(parent), sheet_(filingSheet(*prepared)), fields_(new QTreeWidget),
      notice_(new QLabel(sheet_.notice)), copied_(new QLabel) {
    setWindowTitle(QStringLiteral("Electronic Filing Sheet"));
    auto* heading = new QLabel(
        QStringLiteral("<b>%1</b><br>%2")
            .arg(sheet_.heading.value(0).toHtmlEscaped(), sheet_.heading.value(1).toHtmlEscaped()));
    notice_->setObjectName(QStringLiteral("electronicFilingNotice"));
    notice_->setWordWrap(true);
    notice_->setFrameShape(QFrame::StyledPanel);
    notice_->setMargin(8);
    notice_->setVisible(!sheet_.notice.isEmpty());
    fields_->setObjectName(QStringLiteral("filingFields"));
    fields_->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Amount"), QString()});
    fields_->header()->setStretchLastSection(false);
    fields_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    fields_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    fields_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    fields_->setRootIsDecorated(false);
    fillFields();

    auto* copy = commandButton(QStringLiteral("&Copy Amount"), this);
    auto* print = commandButton(QStringLiteral("&Print..."), this);
    auto* save = commandButton(QStringLiteral("Save as P&DF..."), this);
    auto* close = commandButton(QStringLiteral("C&lose"), this);
    connect(copy, &QPushButton::clicked, this, &FilingSheetDialog::copyCurrent);
    connect(print, &QPushButton::clicked, this,
            [this] { ReportCommands::print(this, filingSheetReport(sheet_)); });
    connect(save, &QPushButton::clicked, this,
            [this] { ReportCommands::saveAsPdf(this, filingSheetReport(sheet_)); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(fields_, &QTreeWidget::itemActivated, this, &FilingSheetDialog::copyCurrent);
    // The list's own Ctrl+C would copy the line's label: the amount is what is keyed in.
    fields_->installEventFilter(this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {copy, print, save})
        buttons->addWidget(button);
    buttons->addWidget(copied_, 1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(notice_);
    layout->addWidget(fields_, 1);
    layout->addLayout(buttons);
    resize(640, 720);
}

void FilingSheetDialog::fillFields() {
    for (int section = 0; section < int(sheet_.sections.size()); ++section) {
        const FilingSection& filing = sheet_.sections[size_t(section)];
        auto* title = new QTreeWidgetItem(fields_, {filing.title});
        QFont bold = title->font(0);
        bold.setBold(true);
        title->setFont(0, bold);
        title->setFirstColumnSpanned(true);
        for (int index = 0; index < int(filing.fields.size()); ++index) {
            const FilingField& field = filing.fields[size_t(index)];
            auto* item = new QTreeWidgetItem(title, {field.label, field.value});
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            item->setData(0, kSectionRole, section);
            item->setData(0, kFieldRole, index);
            auto* button = new QToolButton(fields_);
            button->setText(QStringLiteral("Copy"));
            button->setToolTip(QStringLiteral("Copy %1 to the clipboard").arg(field.value));
            button->setAccessibleName(QStringLiteral("Copy %1").arg(field.label));
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QToolButton::clicked, this, [this, section, index] {
                copy(sheet_.sections[size_t(section)].fields[size_t(index)]);
            });
            fields_->setItemWidget(item, 2, button);
        }
        title->setExpanded(true);
    }
    if (QTreeWidgetItem* first =
            fields_->topLevelItemCount() > 1 ? fields_->topLevelItem(1)->child(0) : nullptr)
        fields_->setCurrentItem(first);
}

void FilingSheetDialog::copy(const FilingField& field) {
    QGuiApplication::clipboard()->setText(field.value);
    copied_->setText(QStringLiteral("Copied %1 (%2)").arg(field.value, field.label));
}

void FilingSheetDialog::copyCurrent() {
    const QTreeWidgetItem* item = fields_->currentItem();
    if (!item || !item->data(0, kFieldRole).isValid())
        return;
    copy(sheet_.sections[item->data(0, kSectionRole).toUInt()]
             .fields[item->data(0, kFieldRole).toUInt()]);
}

bool FilingSheetDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fields_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copyCurrent();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

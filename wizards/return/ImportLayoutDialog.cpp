#include "wizards/return/ImportLayoutDialog.h"

#include "returns/import/FigureLayout.h"
#include "ui/Icons.h"
#include "wizards/return/FigureFileCommands.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

ImportLayoutDialog::ImportLayoutDialog(const ClientRecord* client, QWidget* parent)
    : QDialog(parent), text_(new QTextBrowser) {
    setWindowTitle(QStringLiteral("Layout of a File of Figures"));
    setWindowIcon(Icons::program());
    text_->setObjectName(QStringLiteral("figureLayout"));
    text_->setHtml(FigureLayout::helpHtml());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    if (client) {
        saveTemplate_ = buttons->addButton(QStringLiteral("&Save Template\u2026"),
                                           QDialogButtonBox::ActionRole);
        connect(saveTemplate_, &QPushButton::clicked, this,
                [this, client] { saveImportTemplate(this, *client); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
    resize(760, 560);
}

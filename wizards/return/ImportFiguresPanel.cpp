#include "wizards/return/ImportFiguresPanel.h"

#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/CWizardPage.h"
#include "wizards/return/FigureFileCommands.h"
#include "wizards/return/ImportLayoutDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
QPushButton* panelButton(const QString& text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    // Enter keeps pressing Next.
    button->setAutoDefault(false);
    return button;
}

QString importedText(const FigureImport& figures, const QString& path, bool multiSite) {
    const QString file = QFileInfo(path).fileName();
    const QString what =
        multiSite ? QStringLiteral("The figures of %1 locations were imported from \u201c%2\u201d.")
                        .arg(figures.rows.size())
                        .arg(file)
                  : QStringLiteral("The figures were imported from \u201c%1\u201d.").arg(file);
    return what + QStringLiteral(" Press Next to review them step by step, or Go to Summary.");
}
} // namespace

ImportFiguresPanel::ImportFiguresPanel(const ClientRecord& client, FigureImportTarget target,
                                       std::function<ReturnPeriod()> chosenPeriod, QWidget* parent)
    : QWidget(parent), client_(client), target_(std::move(target)),
      chosenPeriod_(std::move(chosenPeriod)),
      import_(panelButton(QStringLiteral("&Import Figures\u2026"), "importFigures")),
      layout_(panelButton(QStringLiteral("File &Layout\u2026"), "figureFileLayout")),
      goToSummary_(panelButton(QStringLiteral("Go to &Summary"), "goToSummary")),
      status_(new QLabel) {
    auto* intro = new QLabel(QStringLiteral("3- Do the figures come from a spreadsheet or an "
                                            "accounting program? Import them from a CSV file:"));
    intro->setWordWrap(true);
    status_->setObjectName(QStringLiteral("importStatus"));
    status_->setWordWrap(true);
    status_->hide();
    goToSummary_->hide();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(intro, 0, 0, 1, 4);
    grid->addWidget(import_, 1, 0);
    grid->addWidget(layout_, 1, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(status_, 2, 0, 1, 3);
    grid->addWidget(goToSummary_, 2, 3, Qt::AlignBottom);
    connect(import_, &QPushButton::clicked, this, &ImportFiguresPanel::importFigures);
    connect(layout_, &QPushButton::clicked, this, &ImportFiguresPanel::showLayout);
    connect(goToSummary_, &QPushButton::clicked, this, &ImportFiguresPanel::goToSummary);
}

void ImportFiguresPanel::importFigures() {
    if (target_.hasFigures && target_.hasFigures() &&
        !MessageBoxes::current().confirm(
            this,
            QStringLiteral("The figures of a file replace every figure entered so far for this "
                           "return. Import a file?"),
            MessageIcon::Question, true))
        return;
    const QString path = MessageBoxes::current().chooseOpenFile(
        this, {QStringLiteral("CSV files (*.csv *.txt)"), QStringLiteral("All files (*)")});
    if (path.isEmpty() || !apply(path))
        return;
    import_->setFocus();
}

bool ImportFiguresPanel::apply(const QString& path) {
    FigureImport figures;
    std::vector<ImportProblem> problems;
    {
        const WaitCursor waiting;
        figures = readFigureFile(path, client_);
        problems = figures.problems;
        if (figures.ok())
            problems = target_.apply(figures, chosenPeriod_());
    }
    if (!figures.fileProblem.isEmpty() || !problems.empty()) {
        showImportProblems(this, path, figures.fileProblem, problems);
        return false;
    }
    status_->setText(importedText(figures, path, client_.multiSite == 1));
    status_->show();
    goToSummary_->show();
    return true;
}

void ImportFiguresPanel::showLayout() {
    ImportLayoutDialog dialog(&client_, this);
    dialog.exec();
}

void ImportFiguresPanel::goToSummary() {
    CWizardDialog* wizard = nullptr;
    for (QWidget* widget = parentWidget(); widget && !wizard; widget = widget->parentWidget())
        wizard = qobject_cast<CWizardDialog*>(widget);
    if (!wizard)
        return;
    const WaitCursor waiting;
    // Next on every step, as the preparer would press it: a step that refuses stays shown.
    for (CWizardPage* page = wizard->activePage(); page && page->key() != target_.summaryKey;
         page = wizard->activePage()) {
        wizard->next();
        if (wizard->activePage() == page)
            return;
    }
}

#include "wizards/client/ClientWizardStep.h"

#include "ui/MessageBoxes.h"
#include "ui/wizard/CWizardDialog.h"
#include "ui/wizard/WizardStepFrame.h"

#include <QLabel>
#include <QVBoxLayout>

ClientWizardStep::ClientWizardStep(int key, const QString& title, ClientWizardState& state)
    : CWizardPage(key), state_(state), title_(title) {}

bool ClientWizardStep::pageCreated() {
    QVBoxLayout* box = buildWizardStepFrame(this, title_);
    buildContents(box);
    box->addStretch();
    return true;
}

int ClientWizardStep::nextPressed() {
    return store() ? kMoveOn : kStay;
}

int ClientWizardStep::backPressed() {
    if (!endReached())
        return kMoveOn;
    return store() ? kMoveOn : kStay;
}

bool ClientWizardStep::finishPressed() {
    return store();
}

void ClientWizardStep::refuse(const QString& message) {
    MessageBoxes::current().inform(this, message, MessageIcon::Warning);
}

QLabel* ClientWizardStep::paragraph(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLabel* ClientWizardStep::numberedList(const QString& lead, const QStringList& items) {
    QString html = QStringLiteral("<p>%1</p><table cellspacing=\"2\">").arg(lead.toHtmlEscaped());
    for (int index = 0; index < items.size(); ++index)
        html += QStringLiteral("<tr><td align=\"right\">&nbsp;&nbsp;%1.&nbsp;</td><td>%2</td></tr>")
                    .arg(index + 1)
                    .arg(items[index].toHtmlEscaped());
    auto* label = paragraph(html + QStringLiteral("</table>"));
    label->setTextFormat(Qt::RichText);
    return label;
}

bool ClientWizardStep::endReached() const {
    return wizard() && wizard()->endReached();
}

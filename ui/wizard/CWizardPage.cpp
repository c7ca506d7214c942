#include "ui/wizard/CWizardPage.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {
bool takesTabFocus(const QWidget* widget, const QWidget* step) {
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
           widget->isVisibleTo(step);
}

// Of a set of option buttons, the chosen one takes the focus, as Tab would give it.
QWidget* chosenOption(QWidget* field) {
    auto* option = qobject_cast<QRadioButton*>(field);
    if (!option || option->isChecked())
        return field;
    if (const QButtonGroup* group = option->group())
        return group->checkedButton() ? group->checkedButton() : field;
    if (!option->autoExclusive())
        return field;
    for (QRadioButton* sibling :
         option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->isChecked() && sibling->autoExclusive())
            return sibling;
    }
    return field;
}
} // namespace

CWizardPage::CWizardPage(int key) : key_(key) {
    hide();
}

QWidget* CWizardPage::firstField() const {
    for (QWidget* widget = nextInFocusChain(); widget && widget != this;
         widget = widget->nextInFocusChain()) {
        if (isAncestorOf(widget) && takesTabFocus(widget, this))
            return chosenOption(widget);
    }
    return nullptr;
}

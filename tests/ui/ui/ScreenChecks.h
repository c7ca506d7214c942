#pragma once

#include "ui/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

// Checks over what a window shows: access keys and texts that do not fit their place.
namespace ScreenChecks {

inline bool shown(const QWidget* widget, const QWidget* window) {
    return widget->isVisibleTo(window) && !widget->size().isEmpty();
}

// The texts that carry access keys in the window: buttons, labels of a field, group titles, tabs
// and the menus of its menu bar (Alt opens them, so a button may not take their letters).
inline QList<std::pair<QString, const QWidget*>> keyedTexts(const QWidget* window) {
    QList<std::pair<QString, const QWidget*>> texts;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (shown(button, window) && !qobject_cast<const QToolButton*>(button) &&
            !button->text().isEmpty())
            texts.append({button->text(), button});
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (shown(label, window) && label->buddy())
            texts.append({label->text(), label});
    }
    for (const QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (shown(group, window))
            texts.append({group->title(), group});
    }
    for (const QTabBar* tabs : window->findChildren<QTabBar*>()) {
        for (int tab = 0; shown(tabs, window) && tab < tabs->count(); ++tab)
            texts.append({tabs->tabText(tab), tabs});
    }
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (const QAction* menu : bar->actions()) {
            if (shown(bar, window) && menu->isVisible() && !menu->text().isEmpty())
                texts.append({menu->text(), bar});
        }
    }
    return texts;
}

// Every button without an access key, and every access key used twice.
inline QStringList accessKeyProblems(const QWidget* window) {
    QStringList problems;
    QMap<QChar, QString> taken;
    for (const auto& [text, widget] : keyedTexts(window)) {
        const QChar key = AccessKeys::of(text);
        if (key.isNull()) {
            if (qobject_cast<const QAbstractButton*>(widget))
                problems << QStringLiteral("no access key: \"%1\"").arg(text);
            continue;
        }
        if (taken.contains(key))
            problems
                << QStringLiteral("Alt+%1 twice: \"%2\" and \"%3\"").arg(key).arg(taken[key], text);
        taken.insert(key, text);
    }
    return problems;
}

// The room a text needs: its size hint, or for a wrapping label its height at its width.
inline bool fits(const QWidget* widget) {
    constexpr int kSlack = 1;
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label && label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height() + kSlack;
    const QSize wanted = widget->sizeHint();
    return wanted.width() <= widget->width() + kSlack &&
           wanted.height() <= widget->height() + kSlack;
}

// Every label and button whose text does not fit the place it was given.
inline QStringList cutTexts(const QWidget* window) {
    QStringList problems;
    auto check = [&](const QWidget* widget, const QString& text) {
        if (!text.isEmpty() && shown(widget, window) && !fits(widget))
            problems << QStringLiteral("cut: \"%1\" needs %2x%3, has %4x%5")
                            .arg(text.left(40))
                            .arg(widget->sizeHint().width())
                            .arg(widget->sizeHint().height())
                            .arg(widget->width())
                            .arg(widget->height());
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        check(label, label->text());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<const QToolButton*>(button))
            check(button, button->text());
    }
    return problems;
}

} // namespace ScreenChecks

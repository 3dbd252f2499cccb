// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

// Every text a pilot reads or hears below root: captions, titles, tabs, menu
// entries and accessible names, one line per control, sorted.
inline QStringList shownTexts(const QWidget* root) {
    QStringList lines;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (qobject_cast<const QMenu*>(widget) != nullptr && widget->objectName().isEmpty()) {
            continue; // the menu bar's overflow, there once the window is shown
        }
        QString text;
        if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            text = box->title();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
        } else if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            text = menu->title();
            for (const QAction* action : menu->actions()) {
                text += QLatin1Char('|') + action->text();
            }
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                text += QLatin1Char('|') + tabs->tabText(tab);
            }
        }
        lines << QStringLiteral("%1 [%2] [%3]")
                     .arg(widget->objectName(), text, widget->accessibleName());
    }
    lines.sort();
    return lines;
}

// The frames, menu entries and tabs without a caption, and the controls named by a
// label that has none: each should say something in every language.
inline QStringList uncaptioned(const QWidget* root) {
    QStringList missing;
    for (const QGroupBox* box : root->findChildren<QGroupBox*>()) {
        if (box->title().trimmed().isEmpty()) {
            missing << box->objectName();
        }
    }
    // The menu bar's menus and their entries (a button's menu fills itself when it opens).
    QList<QAction*> entries;
    for (const QMenuBar* bar : root->findChildren<QMenuBar*>()) {
        entries << bar->actions();
    }
    while (!entries.isEmpty()) {
        const QAction* action = entries.takeFirst();
        if (!action->isSeparator() && action->text().trimmed().isEmpty()) {
            missing << action->objectName();
        }
        if (action->menu() != nullptr) {
            entries << action->menu()->actions();
        }
    }
    for (const QTabBar* tabs : root->findChildren<QTabBar*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tabs->tabText(tab).trimmed().isEmpty()) {
                missing << QStringLiteral("tab %1").arg(tab + 1);
            }
        }
    }
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr &&
            (label->text().trimmed().isEmpty() || label->buddy()->accessibleName().isEmpty())) {
            missing << label->objectName();
        }
    }
    return missing;
}

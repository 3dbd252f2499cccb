#include "ui/TextTable.h"

#include <cstring>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QWidget>

namespace rv {

bool isLanguage(int sprache) {
    return sprache == German || sprache == English || sprache == French;
}

QString TextEntry::text(int sprache) const {
    switch (sprache) {
    case German:
        return QString::fromUtf8(german);
    case French:
        return QString::fromUtf8(french);
    default:
        return QString::fromUtf8(english);
    }
}

QString textOfTarget(const char* target, int language) {
    for (const TextEntry& entry : textTable()) {
        if (std::strcmp(entry.target, target) == 0) {
            return entry.text(language);
        }
    }
    return {};
}

namespace {

bool setMessage(MessageTexts& messages, const QString& name, const QString& text) {
    QString* slots[] = {&messages.PROG,      &messages.ZUORDNUNG, &messages.PORT_FAIL,
                        &messages.FILE_FAIL, &messages.VERSION,   &messages.LCHANGE,
                        &messages.QSAVE,     &messages.QOPEN};
    const char* names[] = {"PROG",    "ZUORDNUNG", "PORT_FAIL", "FILE_FAIL",
                           "VERSION", "LCHANGE",   "QSAVE",     "QOPEN"};
    for (int i = 0; i < 8; ++i) {
        if (name == QLatin1String(names[i])) {
            *slots[i] = text;
            return true;
        }
    }
    return false;
}

// Puts the text into whatever kind of control carries the name.
bool setControlText(QObject* target, const QString& text) {
    if (auto* box = qobject_cast<QGroupBox*>(target)) {
        box->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else {
        return false;
    }
    return true;
}

} // namespace

AppliedTexts applyTexts(QWidget* root, int sprache) {
    AppliedTexts applied;
    applied.messages.language = sprache;
    // One walk over the window instead of one search per entry.
    QHash<QString, QObject*> controls;
    for (QObject* object : root->findChildren<QObject*>()) {
        if (!object->objectName().isEmpty() && !controls.contains(object->objectName())) {
            controls.insert(object->objectName(), object);
        }
    }
    for (const TextEntry& entry : textTable()) {
        const QString target = QString::fromUtf8(entry.target);
        const QString text = entry.text(sprache);
        if (target.startsWith(QLatin1String("msg:"))) {
            setMessage(applied.messages, target.mid(4), text);
        } else if (target.startsWith(QLatin1String("tab:"))) {
            continue; // the tab captions follow later in the start-up
        } else if (target == QLatin1String("filter")) {
            applied.fileFilter = text;
        } else {
            QObject* control = controls.value(target);
            if (control == nullptr || !setControlText(control, text)) {
                applied.missingTargets << target;
            }
        }
    }
    // The speed units are outside the table: one German abbreviation did for all
    // languages, but English readers expect "rpm".
    for (const char* unit : {"Label23", "Label26"}) {
        if (auto* label = qobject_cast<QLabel*>(controls.value(QLatin1String(unit)))) {
            label->setText(sprache == English ? QStringLiteral("rpm") : QStringLiteral("U/min."));
        }
    }
    return applied;
}

void applyTabCaptions(QTabBar* tabs, int sprache) {
    for (const TextEntry& entry : textTable()) {
        const QString target = QString::fromUtf8(entry.target);
        if (target.startsWith(QLatin1String("tab:"))) {
            const int tab = target.mid(4).toInt() - 1;
            if (tab >= 0 && tab < tabs->count()) {
                tabs->setTabText(tab, entry.text(sprache));
            }
        }
    }
}

} // namespace rv

#include "ui/TextTable.h"

#include "model/SetupRangeCheck.h"

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

bool isLanguage(int language) {
    return language == German || language == English || language == French;
}

QString TextEntry::text(int language) const {
    switch (language) {
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

QString captionText(const CaptionPart& part, int language) {
    QString text = textOfTarget(part.target, language);
    text = text.remove(QLatin1Char('&')).trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.isEmpty() ? QString::fromUtf8(part.english).trimmed() : text;
}

// Outside the table: one German abbreviation did for all languages, but
// English readers expect "rpm".
QString speedUnit(int language) {
    return language == English ? QStringLiteral("rpm") : QStringLiteral("U/min.");
}

namespace {

bool setMessage(MessageTexts& messages, const QString& name, const QString& text) {
    QString* slots[] = {&messages.programName,         &messages.channelTableQuestion,
                        &messages.cannotOpenPort,      &messages.cannotOpenFile,
                        &messages.versionCaption,      &messages.languageChangeNote,
                        &messages.quitUnsavedQuestion, &messages.saveFirstQuestion};
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

AppliedTexts applyTexts(QWidget* root, int language) {
    AppliedTexts applied;
    applied.messages.language = language;
    // One walk over the window instead of one search per entry.
    QHash<QString, QObject*> controls;
    for (QObject* object : root->findChildren<QObject*>()) {
        if (!object->objectName().isEmpty() && !controls.contains(object->objectName())) {
            controls.insert(object->objectName(), object);
        }
    }
    for (const TextEntry& entry : textTable()) {
        const QString target = QString::fromUtf8(entry.target);
        const QString text = entry.text(language);
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
    for (const char* unit : {"Label23", "Label26"}) {
        if (auto* label = qobject_cast<QLabel*>(controls.value(QLatin1String(unit)))) {
            label->setText(speedUnit(language));
        }
    }
    return applied;
}

void applyTabCaptions(QTabBar* tabs, int language) {
    for (const TextEntry& entry : textTable()) {
        const QString target = QString::fromUtf8(entry.target);
        if (target.startsWith(QLatin1String("tab:"))) {
            const int tab = target.mid(4).toInt() - 1;
            if (tab >= 0 && tab < tabs->count()) {
                tabs->setTabText(tab, entry.text(language));
            }
        }
    }
}

QLocale languageLocale(int language) {
    switch (language) {
    case German:
        return QLocale(QLocale::German, QLocale::Germany);
    case French:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
}

} // namespace rv

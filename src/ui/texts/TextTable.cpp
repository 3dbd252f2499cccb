// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/texts/TextTable.h"

#include "core/model/SetupRangeCheck.h"

#include <array>
#include <cstring>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QWidget>

namespace rv {

namespace {
// The translations' context of the window's texts.
constexpr char Context[] = "rv::TextTable";

// In the order in which the start-up applies them. Trailing blanks are part of some texts.
// One entry per line reads better than what the formatter makes of it.
// clang-format off
constexpr auto Table = std::to_array<TextEntry>({
        {"msg:PROG", QT_TRANSLATE_NOOP("rv::TextTable", "Rotavionix Control")},
        {"msg:ZUORDNUNG", QT_TRANSLATE_NOOP("rv::TextTable", "Transfer channel table?")},
        {"msg:PORT_FAIL", QT_TRANSLATE_NOOP("rv::TextTable", "Cannot open port.")},
        {"msg:FILE_FAIL", QT_TRANSLATE_NOOP("rv::TextTable", "Cannot open file.")},
        {"msg:VERSION", QT_TRANSLATE_NOOP("rv::TextTable", "Version:")},
        {"msg:LCHANGE", QT_TRANSLATE_NOOP("rv::TextTable", "Your selection will be available after restarting the program.")},
        {"msg:QSAVE", QT_TRANSLATE_NOOP("rv::TextTable", "Changes not saved yet. Quit anyway?")},
        {"msg:QOPEN", QT_TRANSLATE_NOOP("rv::TextTable", "Changes not saved yet. Save first?")},
        {"TailS", QT_TRANSLATE_NOOP("rv::TextTable", "Combi Tail Mean Value")},
        {"tab:1", QT_TRANSLATE_NOOP("rv::TextTable", "General Setup Values")},
        {"tab:2", QT_TRANSLATE_NOOP("rv::TextTable", "Rotavionix Configuration")},
        {"tab:3", QT_TRANSLATE_NOOP("rv::TextTable", "Channel Allocation")},
        {"tab:4", QT_TRANSLATE_NOOP("rv::TextTable", "Controller Setup Values")},
        {"fraKurvenauswahl", QT_TRANSLATE_NOOP("rv::TextTable", "Curve selection")},
        {"Kurvenauswahl_0", QT_TRANSLATE_NOOP("rv::TextTable", "Throttle Curve ")},
        {"Kurvenauswahl_1", QT_TRANSLATE_NOOP("rv::TextTable", "Tail Curve")},
        {"Kurvenauswahl_2", QT_TRANSLATE_NOOP("rv::TextTable", "Pitch Curve")},
        {"Kurvenauswahl_3", QT_TRANSLATE_NOOP("rv::TextTable", "Throttle Curve")},
        {"Kurvenauswahl_4", QT_TRANSLATE_NOOP("rv::TextTable", "Cyclic Pitch Curve")},
        {"Kurvenauswahl_5", QT_TRANSLATE_NOOP("rv::TextTable", "Roll Curve")},
        {"fraFlugphase", QT_TRANSLATE_NOOP("rv::TextTable", "Flight Phase")},
        {"Schweben", QT_TRANSLATE_NOOP("rv::TextTable", "Hover")},
        {"Acro", QT_TRANSLATE_NOOP("rv::TextTable", "Acro")},
        {"lHoverAcro", QT_TRANSLATE_NOOP("rv::TextTable", "Hover -> Acro")},
        {"lAcroHover", QT_TRANSLATE_NOOP("rv::TextTable", "Acro -> Hover")},
        //: Seconds, after a switch time.
        {"secAS", QT_TRANSLATE_NOOP("rv::TextTable", "sec.")},
        {"secSA", QT_TRANSLATE_NOOP("rv::TextTable", "sec.")},
        {"fraSpeed", QT_TRANSLATE_NOOP("rv::TextTable", "RPM")},
        {"lSpeedHover", QT_TRANSLATE_NOOP("rv::TextTable", "Hover")},
        {"lSpeedAcro", QT_TRANSLATE_NOOP("rv::TextTable", "Acro")},
        {"SpeedE", QT_TRANSLATE_NOOP("rv::TextTable", "Sensitivity")},
        {"SpeedI", QT_TRANSLATE_NOOP("rv::TextTable", "Intensity")},
        {"SpeedLW", QT_TRANSLATE_NOOP("rv::TextTable", "Load Change Effect")},
        {"SpeedLD", QT_TRANSLATE_NOOP("rv::TextTable", "Load Change Duration")},
        {"fraTail", QT_TRANSLATE_NOOP("rv::TextTable", "Tail Setup")},
        {"TailMix", QT_TRANSLATE_NOOP("rv::TextTable", "Tail Mixing")},
        {"TailGW", QT_TRANSLATE_NOOP("rv::TextTable", "Dynamic Compensation")},
        {"TailGD", QT_TRANSLATE_NOOP("rv::TextTable", "Dynamic Holding Comp.")},
        {"fraKreisel", QT_TRANSLATE_NOOP("rv::TextTable", "Gyro Settings")},
        {"GyroE", QT_TRANSLATE_NOOP("rv::TextTable", "Standard Mode Sensitivity")},
        {"GyroLW", QT_TRANSLATE_NOOP("rv::TextTable", "Dynamic Gyro Comp.")},
        {"GyroLD", QT_TRANSLATE_NOOP("rv::TextTable", "Dyn. Gyro Holding Time")},
        {"GyroInverter", QT_TRANSLATE_NOOP("rv::TextTable", "Gyro Reverse")},
        {"fraHeading", QT_TRANSLATE_NOOP("rv::TextTable", "Heading Lock Settings")},
        {"HeadingE", QT_TRANSLATE_NOOP("rv::TextTable", "Heading Lock Sensitivity")},
        {"HeadingI", QT_TRANSLATE_NOOP("rv::TextTable", "Heading Lock Mixing")},
        {"HeadingDissolve", QT_TRANSLATE_NOOP("rv::TextTable", "Heading Lock Fade Out")},
        {"HeadingRange", QT_TRANSLATE_NOOP("rv::TextTable", "Holding Angle")},
        {"fraFlash", QT_TRANSLATE_NOOP("rv::TextTable", "Flash Frequency (Timed in milliseconds)")},
        {"fraComment", QT_TRANSLATE_NOOP("rv::TextTable", "Comments: (max. 1000 characters)")},
        {"L1On", QT_TRANSLATE_NOOP("rv::TextTable", "ON 1")},
        {"L1Off", QT_TRANSLATE_NOOP("rv::TextTable", "OFF 1")},
        {"L2On", QT_TRANSLATE_NOOP("rv::TextTable", "ON 2")},
        {"L2Off", QT_TRANSLATE_NOOP("rv::TextTable", "OFF 2")},
        {"cbDownload", QT_TRANSLATE_NOOP("rv::TextTable", "Send data to Rotavionix")},
        {"cbFlash", QT_TRANSLATE_NOOP("rv::TextTable", "Save data in Rotavionix")},
        {"mnuFile", QT_TRANSLATE_NOOP("rv::TextTable", "File")},
        {"mnuOpen", QT_TRANSLATE_NOOP("rv::TextTable", "Open")},
        {"mnuSave", QT_TRANSLATE_NOOP("rv::TextTable", "Save")},
        {"mnuClose", QT_TRANSLATE_NOOP("rv::TextTable", "Close")},
        {"mnuHelp", QT_TRANSLATE_NOOP("rv::TextTable", "Help")},
        {"fraMainOut", QT_TRANSLATE_NOOP("rv::TextTable", "Main signal")},
        {"MainOut_0", QT_TRANSLATE_NOOP("rv::TextTable", "Power Board RV")},
        {"MainOut_1", QT_TRANSLATE_NOOP("rv::TextTable", "Servo / Controller")},
        {"fraTailBeep", QT_TRANSLATE_NOOP("rv::TextTable", "Tail Beep")},
        {"TailBeep_0", QT_TRANSLATE_NOOP("rv::TextTable", "Off")},
        {"TailBeep_1", QT_TRANSLATE_NOOP("rv::TextTable", "On")},
        {"Preselect", QT_TRANSLATE_NOOP("rv::TextTable", "Preselection")},
        //: Column heading of the channel page: the function a channel drives.
        {"LFunction", QT_TRANSLATE_NOOP("rv::TextTable", "Function")},
        //: Column heading of the channel page: the receiver channel.
        {"LChannel", QT_TRANSLATE_NOOP("rv::TextTable", "Channel")},
        {"Funktion_0", QT_TRANSLATE_NOOP("rv::TextTable", "Pitch / Throttle")},
        {"Funktion_1", QT_TRANSLATE_NOOP("rv::TextTable", "Tail")},
        {"Funktion_2", QT_TRANSLATE_NOOP("rv::TextTable", "Cyclic Pitch  ")},
        {"Funktion_3", QT_TRANSLATE_NOOP("rv::TextTable", "Roll")},
        {"Funktion_4", QT_TRANSLATE_NOOP("rv::TextTable", "Phase")},
        {"Funktion_5", QT_TRANSLATE_NOOP("rv::TextTable", "Mode")},
        {"Funktion_6", QT_TRANSLATE_NOOP("rv::TextTable", "Illumination")},
        {"Funktion_7", QT_TRANSLATE_NOOP("rv::TextTable", "Extra 1")},
        {"Funktion_8", QT_TRANSLATE_NOOP("rv::TextTable", "Extra 2")},
        //: Column heading of the channel page: the channel is reversed.
        {"tReverse_0", QT_TRANSLATE_NOOP("rv::TextTable", "rev.")},
        {"fraHeliType", QT_TRANSLATE_NOOP("rv::TextTable", "Heli Type")},
        {"Board_0", QT_TRANSLATE_NOOP("rv::TextTable", "RPM controlled")},
        {"Board_1", QT_TRANSLATE_NOOP("rv::TextTable", "Pitch controlled")},
        {"fraTailType", QT_TRANSLATE_NOOP("rv::TextTable", "Tail Motor signal")},
        {"HeckMode_0", QT_TRANSLATE_NOOP("rv::TextTable", "Power Board RV")},
        {"HeckMode_1", QT_TRANSLATE_NOOP("rv::TextTable", "Controller")},
        {"fraKombiTail", QT_TRANSLATE_NOOP("rv::TextTable", "Combo Tail")},
        {"KombiMode_0", QT_TRANSLATE_NOOP("rv::TextTable", "Off")},
        {"KombiMode_1", QT_TRANSLATE_NOOP("rv::TextTable", "On")},
        {"fraTS", QT_TRANSLATE_NOOP("rv::TextTable", "Swashplate Setup")},
        {"TSMode_2", QT_TRANSLATE_NOOP("rv::TextTable", "Coll.Pitch, Cyc.Pitch, Roll")},
        {"PitchAnteil", QT_TRANSLATE_NOOP("rv::TextTable", "Collective Pitch Part ")},
        {"ZyklischerAnteil", QT_TRANSLATE_NOOP("rv::TextTable", "Cyclic Pitch / Roll Part")},
        {"fraDualRate", QT_TRANSLATE_NOOP("rv::TextTable", "Tail Servo")},
        {"DualRate", QT_TRANSLATE_NOOP("rv::TextTable", "Dual rate")},
        {"fraMain", QT_TRANSLATE_NOOP("rv::TextTable", "Main Motor Setup")},
        {"Drehzahl_0", QT_TRANSLATE_NOOP("rv::TextTable", "Throttle Curve")},
        {"Drehzahl_1", QT_TRANSLATE_NOOP("rv::TextTable", "Governor")},
        {"fraComPort", QT_TRANSLATE_NOOP("rv::TextTable", "COM Port")},
        {"frmServo", QT_TRANSLATE_NOOP("rv::TextTable", "Servo Reverse")},
        {"TS1Inv", QT_TRANSLATE_NOOP("rv::TextTable", "Servo 1")},
        {"TS2Inv", QT_TRANSLATE_NOOP("rv::TextTable", "Servo 2")},
        {"TS3Inv", QT_TRANSLATE_NOOP("rv::TextTable", "Servo 3")},
        {"Ist", QT_TRANSLATE_NOOP("rv::TextTable", "Curve:")},
        {"Soll", QT_TRANSLATE_NOOP("rv::TextTable", "Cursor:")},
        {"filter", QT_TRANSLATE_NOOP("rv::TextTable", "Rotavionix Control Parameter Files (*.rvc) |  *.rvc")},
        {"mnuOptions", QT_TRANSLATE_NOOP("rv::TextTable", "Options")},
        {"mnuSprache", QT_TRANSLATE_NOOP("rv::TextTable", "Sprache, Language, Langue")},
        {"fraSystem", QT_TRANSLATE_NOOP("rv::TextTable", "System Setup")},
        {"SystemGain", QT_TRANSLATE_NOOP("rv::TextTable", "System Gain")},
        {"TailGain", QT_TRANSLATE_NOOP("rv::TextTable", "Tail Gain")},
        {"Softstart", QT_TRANSLATE_NOOP("rv::TextTable", "Soft Start")},
        {"Pitchmix", QT_TRANSLATE_NOOP("rv::TextTable", "Pitch Add On")},
        {"ReglerMode", QT_TRANSLATE_NOOP("rv::TextTable", "Expert Mode")},
        {"Knüppel", QT_TRANSLATE_NOOP("rv::TextTable", "Transmitter Stick Travel")},
        {"Umschaltzeit", QT_TRANSLATE_NOOP("rv::TextTable", "Switch Times:")},
});
// clang-format on
} // namespace

QString TextEntry::text() const {
    return QCoreApplication::translate(Context, english);
}

std::span<const TextEntry> textTable() {
    return Table;
}

QString textOfTarget(const char* target) {
    for (const TextEntry& entry : Table) {
        if (std::strcmp(entry.target, target) == 0) {
            return entry.text();
        }
    }
    return {};
}

QString captionText(const CaptionPart& part) {
    QString text = textOfTarget(part.target);
    text = text.remove(QLatin1Char('&')).trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.isEmpty() ? QString::fromUtf8(part.english).trimmed() : text;
}

QString speedUnit() {
    //: The unit beside a governor speed (revolutions per minute).
    return QCoreApplication::translate("rv::TextTable", "rpm");
}

MessageTexts::MessageTexts()
    : programName(textOfTarget("msg:PROG")), channelTableQuestion(textOfTarget("msg:ZUORDNUNG")),
      cannotOpenPort(textOfTarget("msg:PORT_FAIL")), cannotOpenFile(textOfTarget("msg:FILE_FAIL")),
      versionCaption(textOfTarget("msg:VERSION")), languageChangeNote(textOfTarget("msg:LCHANGE")),
      quitUnsavedQuestion(textOfTarget("msg:QSAVE")), saveFirstQuestion(textOfTarget("msg:QOPEN")) {
}

namespace {

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
    for (const TextEntry& entry : Table) {
        const QString target = QString::fromUtf8(entry.target);
        const QString text = entry.text();
        if (target.startsWith(QLatin1String("msg:"))) {
            continue; // the message texts took theirs above
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
            label->setText(speedUnit());
        }
    }
    return applied;
}

void applyTabCaptions(QTabBar* tabs) {
    for (const TextEntry& entry : Table) {
        const QString target = QString::fromUtf8(entry.target);
        if (target.startsWith(QLatin1String("tab:"))) {
            const int tab = target.mid(4).toInt() - 1;
            if (tab >= 0 && tab < tabs->count()) {
                tabs->setTabText(tab, entry.text());
            }
        }
    }
}

} // namespace rv

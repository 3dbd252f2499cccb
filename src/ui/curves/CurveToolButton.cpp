// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/curves/CurveToolButton.h"

#include "core/model/CurveEditor.h"
#include "core/model/CurveGeometry.h"
#include "core/model/CurveTools.h"
#include "ui/texts/Dialogs.h"

#include <QEvent>
#include <QMenu>

namespace rv {

CurveToolButton::CurveToolButton(CurveEditor& editor, QWidget* parent)
    : QPushButton(parent), editor_(editor) {
    setObjectName(QStringLiteral("CurveTools"));
    setText(tr("Curve tools"));
    setFocusPolicy(Qt::StrongFocus);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("CurveToolsMenu"));
    setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        buildMenu();
        enableEntries();
    });
}

void CurveToolButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The language is chosen after the window is built: the entries are
        // made again, in it, when the menu next opens.
        setText(tr("Curve tools"));
        menu()->clear();
        copyEntries_.clear();
    }
}

void CurveToolButton::buildMenu() {
    QMenu* entries = menu();
    if (!entries->isEmpty()) {
        return;
    }
    auto add = [&](const QString& text, const char* name, auto apply) {
        QAction* action = entries->addAction(text, this, apply);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    add(tr("Linear"), "CurveLinear", [this] { editor_.replacePoints(CurveTools::linear()); });
    add(tr("Flat..."), "CurveFlat", [this] { applyFlat(); });
    add(tr("V (idle-up throttle)..."), "CurveV", [this] { applyV(); });
    add(tr("Expo..."), "CurveExpo", [this] { applyExpo(); });
    entries->addSeparator();
    add(tr("Mirror around the middle"), "CurveMirror",
        [this] { editor_.replacePoints(CurveTools::mirrored(editor_.editPoints())); });
    add(tr("Shift up"), "CurveShiftUp", [this] {
        editor_.replacePoints(CurveTools::shifted(editor_.editPoints(), CurveTools::ShiftStep));
    });
    add(tr("Shift down"), "CurveShiftDown", [this] {
        editor_.replacePoints(CurveTools::shifted(editor_.editPoints(), -CurveTools::ShiftStep));
    });
    entries->addSeparator();
    copyEntries_ = {
        add(tr("Copy hover curve to acro"), "CurveHoverToAcro",
            [this] { editor_.copyCurve(Hover); }),
        add(tr("Copy acro curve to hover"), "CurveAcroToHover",
            [this] { editor_.copyCurve(Acro); }),
    };
}

void CurveToolButton::enableEntries() {
    for (QAction* copy : copyEntries_) {
        copy->setEnabled(editor_.otherPhaseCurve() != nullptr);
    }
}

std::optional<int> CurveToolButton::askNumber(const QString& label, int defaultValue, int min,
                                              int max) {
    const auto answer =
        InputPrompt::getText(this, MessageBox::title(), label, QString::number(defaultValue));
    if (!answer) {
        return std::nullopt;
    }
    const auto number = CurveTools::readWholeNumber(*answer);
    if (!number) {
        MessageBox::inform(this, tr("\"%1\" is not a number; nothing written.").arg(*answer),
                           QMessageBox::Warning);
        return std::nullopt;
    }
    if (*number < min || *number > max) {
        MessageBox::inform(
            this, tr("%1 is outside %2..%3; nothing written.").arg(*number).arg(min).arg(max),
            QMessageBox::Warning);
        return std::nullopt;
    }
    return number;
}

std::optional<int> CurveToolButton::askPointValue(const QString& label) {
    const int limit = editor_.shownLimit();
    // The middle point is where the pilot set the hover: the likely answer.
    const QString middle = editor_.shownPoint(5);
    const auto shown = askNumber(label.arg(-limit).arg(limit),
                                 middle.isEmpty() ? 0 : middle.toInt(), -limit, limit);
    if (!shown) {
        return std::nullopt;
    }
    return CurveGeometry::storedValueForTyped(*shown, editor_.curveScale());
}

void CurveToolButton::applyFlat() {
    if (const auto value = askPointValue(tr("Value of every point (%1..%2):"))) {
        editor_.replacePoints(CurveTools::flat(*value));
    }
}

void CurveToolButton::applyV() {
    if (const auto value = askPointValue(tr("Lowest value of the V, at the middle (%1..%2):"))) {
        editor_.replacePoints(CurveTools::vShape(*value));
    }
}

void CurveToolButton::applyExpo() {
    const auto strength = askNumber(
        tr("Expo strength in percent (-100..100; above 0 softer, below 0 sharper at the centre):"),
        30, -100, 100);
    if (strength) {
        editor_.replacePoints(CurveTools::expo(*strength));
    }
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/CurveSet.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace rv {

struct Setup;

// One line of the sheet: a caption, its value and, in the channel table,
// the reverse mark.
struct SheetRow {
    QString caption;
    QString value;
    QString extra;
};

// Settings under one heading, as the window groups them in a frame.
struct SheetSection {
    QString heading;
    std::optional<SheetRow> columnHeadings; // the channel table's
    std::vector<SheetRow> rows;
};

struct SheetCurve {
    QString phase;
    QString name;
    int curveIndex = 0;
    double scale = 1.0;
    Curve points{};    // as stored, with removed points
    Curve drawn{};     // the line the unit follows: gaps filled
    QStringList shown; // the eleven values as the curve editor shows them, "-" for removed
};

// Everything the printed setup sheet shows, in one language: the layout
// only draws it, so the texts can be checked without painting.
struct SetupSheet {
    QString title;
    QString fileName;
    QString date;
    QString unsavedNote; // empty when the setup is as last loaded or saved
    std::vector<SheetSection> sections;
    QString commentHeading;
    QString comment;
    QString curvesHeading;
    std::array<QString, 2> phases;  // hover, acro
    std::vector<SheetCurve> curves; // hover 0..5, then acro 1..5
};

SetupSheet setupSheet(const Setup& setup, int language, const QDate& date);

} // namespace rv

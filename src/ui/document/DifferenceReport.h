// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/format/SetupDifference.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace rv {

// One line of a comparison in the window's language: what differs, and its
// value on each side as the window shows it.
struct DifferenceRow {
    enum class Section { Settings, Curves, Channels, Comment, OtherBytes };
    Section section = Section::Settings;
    QString caption;
    QString before; // the other side: a file or a transfer
    QString after;  // the window
    // Both values in one, where "before -> after" would say it badly (a curve's points).
    QString summary;
};

// What differs between another side's record and the window's, ready to show.
struct DifferenceReport {
    SetupDifferences differences;
    std::vector<DifferenceRow> rows; // grouped by section, in the order of the sections

    bool isEmpty() const { return rows.empty(); }
};

// other: the record of a file or a transfer; window: the record a save would write.
DifferenceReport compareRecords(const QByteArray& other, const QByteArray& window);

QString sectionTitle(DifferenceRow::Section section);

// The report as plain text: a header line naming both sides, then the rows
// under their section titles, or one line when nothing differs. otherSide
// names the file or transfer ("File /home/pilot/Default.rvc").
QString differenceText(const DifferenceReport& report, const QString& otherSide);
// The header line, and the one line for identical sets.
QString comparisonHeader(const QString& otherSide);
QString sameValuesLine(const QString& otherSide);
// A file as one side of a comparison: "File /home/pilot/Default.rvc".
QString fileSideName(const QString& path);

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace rv {

// What one transfer put on its way to the unit, for the history.
struct SentRecord {
    QByteArray record;     // the parameter file record of the setup at the start
    QString fileName;      // the window's current file then
    QDateTime startedAt;   // local time
    int blocksArrived = 0; // blocks that went out completely
    int blocksPlanned = 0;
};

// One transfer of the history, as its folder holds it.
struct TransferHistoryEntry {
    QString path;        // its parameter file
    QDateTime startedAt; // local time, to the second
    int sequence = 1;    // > 1: not the first transfer of that second
    QString fileName;    // the window's file, as far as a file name can hold it
    // Partial when fewer blocks arrived than were planned; both 0 for a full one.
    int blocksArrived = 0;
    int blocksPlanned = 0;
    QList<QDateTime> stores; // store commands sent after it, oldest first

    bool isPartial() const { return blocksArrived < blocksPlanned; }
};

// A file of the history folder that is not a usable entry, and why.
struct SkippedHistoryFile {
    QString name;
    QString reason;
};

struct TransferHistoryListing {
    QList<TransferHistoryEntry> entries; // newest first
    QList<SkippedHistoryFile> skipped;
};

// The history of transfers to the unit: one parameter file per transfer, named
//   "2026-12-07 20-52-48 Default.rvc"                      a full transfer
//   "2026-12-07 20-52-48~2 Default ~partial 7 of 17.rvc"   the second in that second, broken off
// and beside it "<entry>.stored" with one line per store command that followed.
// Only files named so are ever counted or deleted; the folder keeps the newest
// Capacity entries. Nothing here shows a dialog: callers report the reasons.
class TransferHistory {
public:
    static constexpr int Capacity = 200;

    explicit TransferHistory(QString folder = standardFolder());

    // AppDataLocation + "/sent".
    static QString standardFolder();
    const QString& folder() const { return folder_; }

    // Writes the entry of a transfer and drops the oldest beyond Capacity. The
    // entry's path, or an empty string with *reason saying why.
    QString add(const SentRecord& sent, QString* reason) const;
    // Notes a store command beside the entry it stored.
    bool noteStore(const QString& entryPath, const QDateTime& at, QString* reason) const;

    TransferHistoryListing list() const;

    // The record of an entry, checked as the listing checks it: a whole record
    // that the window can show.
    static bool readEntry(const QString& path, QByteArray& record, QString* reason);
    // An entry loaded as a parameter file is loaded into a window that held `previous`.
    static std::optional<Setup> loadEntry(const QString& path, const Setup& previous,
                                          QString* reason);

    // The part of an entry's name that the window's file name becomes: no
    // character that some system forbids in file names, never empty.
    static QString safeFileName(const QString& fileName);

private:
    QString folder_;
};

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/TransferHistory.h"

#include "core/format/FailureReason.h"
#include "core/format/ParameterFile.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <limits>
#include <optional>

namespace rv {

namespace {

constexpr int MaxNameLength = 60;
const QString StampFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");
const QString StoreFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString StoresSuffix = QStringLiteral(".stored");

// The name of an entry, as add() makes it; '~' never occurs in the file-name part.
const QRegularExpression& entryPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)(?:~(\\d{1,6}))? "
                       "([^~]+?)(?: ~partial (\\d{1,4}) of (\\d{1,4}))?\\.rvc$"));
    return pattern;
}

// The entry a file name stands for, without reading the file.
std::optional<TransferHistoryEntry> parseName(const QFileInfo& file) {
    const QRegularExpressionMatch match = entryPattern().match(file.fileName());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    TransferHistoryEntry entry;
    entry.path = file.filePath();
    entry.startedAt = QDateTime::fromString(match.captured(1), StampFormat);
    if (!entry.startedAt.isValid()) {
        return std::nullopt;
    }
    entry.sequence = match.hasCaptured(2) ? match.captured(2).toInt() : 1;
    entry.fileName = match.captured(3);
    if (match.hasCaptured(4)) {
        entry.blocksArrived = match.captured(4).toInt();
        entry.blocksPlanned = match.captured(5).toInt();
        if (entry.blocksArrived >= entry.blocksPlanned) {
            return std::nullopt;
        }
    }
    return entry;
}

bool olderThan(const TransferHistoryEntry& a, const TransferHistoryEntry& b) {
    if (a.startedAt != b.startedAt) {
        return a.startedAt < b.startedAt;
    }
    return a.sequence < b.sequence;
}

// Every file named as an entry, oldest first, whatever it holds.
QList<TransferHistoryEntry> namedEntries(const QString& folder) {
    QList<TransferHistoryEntry> entries;
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files) {
        // A pipe or device that happens to bear such a name is left alone.
        if (auto entry = parseName(file); entry && file.isFile()) {
            entries.append(*entry);
        }
    }
    std::sort(entries.begin(), entries.end(), olderThan);
    return entries;
}

QList<QDateTime> readStores(const QString& entryPath) {
    QList<QDateTime> stores;
    QFile file(entryPath + StoresSuffix);
    // A note that cannot be read (or is no regular file) only loses the notes.
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        return stores;
    }
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    for (const QByteArray& line : lines) {
        const QDateTime at =
            QDateTime::fromString(QString::fromLatin1(line.trimmed()), StoreFormat);
        if (at.isValid()) {
            stores.append(at);
        }
    }
    return stores;
}

} // namespace

TransferHistory::TransferHistory(QString folder) : folder_(std::move(folder)) {}

QString TransferHistory::standardFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a data folder (no home), never a folder "/sent" at the root.
    return data.isEmpty() ? QString() : data + QStringLiteral("/sent");
}

QString TransferHistory::safeFileName(const QString& fileName) {
    // Either separator: a name from Windows read elsewhere, or the reverse.
    const qsizetype slash =
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    QString name = fileName.mid(slash + 1);
    if (name.endsWith(QStringLiteral(".rvc"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F ||
            QStringLiteral("<>:\"/\\|?*~").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    if (name.size() > MaxNameLength) {
        name.truncate(MaxNameLength);
        if (name.back().isHighSurrogate()) {
            name.chop(1);
        }
    }
    // Windows drops trailing dots and blanks; the pattern needs no blank at either end.
    while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back().isSpace())) {
        name.chop(1);
    }
    while (!name.isEmpty() && name.front().isSpace()) {
        name.remove(0, 1);
    }
    return name.isEmpty() ? QStringLiteral("unnamed") : name;
}

QString TransferHistory::add(const SentRecord& sent, QString* reason) const {
    if (folder_.isEmpty() || !QDir().mkpath(folder_) || !QFileInfo(folder_).isDir()) {
        failBecause(reason, QCoreApplication::translate("rv::TransferHistory",
                                                        "The folder %1 cannot be created.")
                                .arg(QDir::toNativeSeparators(folder_)));
        return {};
    }
    QList<TransferHistoryEntry> entries = namedEntries(folder_);
    const QDateTime second = sent.startedAt.addMSecs(-sent.startedAt.time().msec());
    int sequence = 1;
    for (const TransferHistoryEntry& entry : entries) {
        if (entry.startedAt == second) {
            sequence = std::max(sequence, entry.sequence + 1);
        }
    }
    QString name = second.toString(StampFormat);
    if (sequence > 1) {
        name += QLatin1Char('~') + QString::number(sequence);
    }
    name += QLatin1Char(' ') + safeFileName(sent.fileName);
    if (sent.blocksArrived < sent.blocksPlanned) {
        name +=
            QStringLiteral(" ~partial %1 of %2").arg(sent.blocksArrived).arg(sent.blocksPlanned);
    }
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".rvc"));
    if (!writeParameterFile(path, sent.record, reason)) {
        return {};
    }
    entries.append(*parseName(QFileInfo(path)));
    // Removing an old entry may fail (a read-only file): the next add tries again.
    for (qsizetype i = 0; i + Capacity < entries.size(); ++i) {
        QFile::remove(entries[i].path + StoresSuffix);
        QFile::remove(entries[i].path);
    }
    return path;
}

bool TransferHistory::noteStore(const QString& entryPath, const QDateTime& at,
                                QString* reason) const {
    QByteArray notes;
    QFile existing(entryPath + StoresSuffix);
    if (QFileInfo(existing).isFile() && existing.open(QIODevice::ReadOnly)) {
        notes = existing.read(64 * 1024);
        existing.close();
        if (!notes.isEmpty() && !notes.endsWith('\n')) {
            notes += '\n';
        }
    }
    notes += at.toString(StoreFormat).toLatin1() + '\n';
    return writeParameterFile(entryPath + StoresSuffix, notes, reason);
}

TransferHistoryListing TransferHistory::list() const {
    TransferHistoryListing listing;
    const QFileInfoList files =
        QDir(folder_).entryInfoList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files) {
        if (file.fileName().endsWith(StoresSuffix)) {
            continue;
        }
        std::optional<TransferHistoryEntry> entry = parseName(file);
        if (!entry) {
            listing.skipped.append(
                {file.fileName(),
                 QCoreApplication::translate("rv::TransferHistory",
                                             "This is not an entry of the transfer history.")});
            continue;
        }
        QByteArray record;
        QString why;
        if (!readEntry(entry->path, record, &why)) {
            listing.skipped.append({file.fileName(), why});
            continue;
        }
        entry->stores = readStores(entry->path);
        listing.entries.append(*entry);
    }
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const auto& a, const auto& b) { return olderThan(b, a); });
    return listing;
}

bool TransferHistory::readEntry(const QString& path, QByteArray& record, QString* reason) {
    QByteArray bytes;
    if (!readParameterFile(path, bytes, reason)) {
        return false;
    }
    const qint64 size = QFileInfo(path).size();
    if (size != RecordSize) {
        const int count = static_cast<int>(std::min<qint64>(size, std::numeric_limits<int>::max()));
        return failBecause(reason, QCoreApplication::translate(
                                       "rv::TransferHistory",
                                       "The file holds %n bytes, not the %1 of a parameter file.",
                                       nullptr, count)
                                       .arg(RecordSize));
    }
    Setup decoded;
    decodeRecord(bytes, decoded);
    if (const std::optional<int> entry = firstUnshowableEntry(decoded.image)) {
        return failBecause(reason, Refusal{*entry, decoded.image.at(*entry)}.detail());
    }
    record = bytes;
    return true;
}

std::optional<Setup> TransferHistory::loadEntry(const QString& path, const Setup& previous,
                                                QString* reason) {
    QByteArray record;
    if (!readEntry(path, record, reason)) {
        return std::nullopt;
    }
    // readEntry has refused what the window cannot show.
    return std::get<Setup>(applyRecord(previous, record));
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compare/CompareCommands.h"

#include "core/format/SetupRecord.h"
#include "core/history/TransferHistory.h"
#include "core/settings/ProgramLanguage.h"
#include "ui/compare/CompareDialog.h"
#include "ui/document/DifferenceReport.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/texts/MessageTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMenu>

namespace rv {

namespace {
// The actions of the submenu, in order.
enum CompareAction {
    WithCurrentFile,
    WithOtherFile,
    WithLastTransfer,
    WithHistoryEntry,
    ActionCount
};

QString dateText(const QDateTime& at, int language) {
    return languageLocale(language).toString(at.date(), QLocale::ShortFormat);
}
QString timeText(const QDateTime& at) {
    return at.time().toString(QStringLiteral("HH:mm:ss"));
}
QString kindText(const TransferHistoryEntry& entry) {
    return entry.isPartial()
               ? QCoreApplication::translate("rv::CompareCommands", "partial, %1 of %n blocks",
                                             nullptr, entry.blocksPlanned)
                     .arg(entry.blocksArrived)
               : QCoreApplication::translate("rv::CompareCommands", "full");
}
} // namespace

CompareCommands::CompareCommands(const Setup& setup, FileCommands& files,
                                 const TransferHistory& history, const MessageTexts& texts,
                                 const QString& fileFilter, QWidget* window)
    : QObject(window), setup_(setup), files_(files), history_(history), texts_(texts),
      fileFilter_(fileFilter), window_(window) {}

void CompareCommands::addMenu(QMenu* file) {
    menu_ = file->addMenu(QString());
    menu_->setObjectName(QStringLiteral("mnuCompare"));
    QAction* current = menu_->addAction(QString(), this, &CompareCommands::compareWithCurrentFile);
    current->setObjectName(QStringLiteral("mnuCompareFile"));
    current->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction* other = menu_->addAction(QString(), this, &CompareCommands::compareWithOtherFile);
    other->setObjectName(QStringLiteral("mnuCompareOther"));
    other->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    menu_->addAction(QString(), this, &CompareCommands::compareWithLastTransfer)
        ->setObjectName(QStringLiteral("mnuCompareLast"));
    menu_->addAction(QString(), this, &CompareCommands::compareWithHistoryEntry)
        ->setObjectName(QStringLiteral("mnuCompareHistory"));
    retranslate();
}

void CompareCommands::retranslate() {
    if (menu_ == nullptr) {
        return;
    }
    menu_->setTitle(tr("Compare"));
    const QList<QAction*> actions = menu_->actions();
    const QString captions[ActionCount] = {tr("With the Current File"), tr("With Another File..."),
                                           tr("With the Last Transfer"),
                                           tr("With a Transfer from the History...")};
    for (int i = 0; i < ActionCount && i < actions.size(); ++i) {
        actions.at(i)->setText(captions[i]);
    }
}

void CompareCommands::compareWithCurrentFile() {
    compareWithFile(setup_.currentFileName);
}

void CompareCommands::compareWithOtherFile() {
    const QString chosen = FileDialogs::getOpenFileName(window_, texts_.programName,
                                                        QStringLiteral("*.rvc"), fileFilter_);
    if (!chosen.isEmpty()) {
        compareWithFile(QDir::toNativeSeparators(chosen));
    }
}

// A file that Open would refuse is refused here too, with the same message.
void CompareCommands::compareWithFile(const QString& path) {
    QByteArray record;
    if (files_.readShowableFile(path, &record)) {
        showComparison(record, fileSideName(path), tr("File"));
    }
}

void CompareCommands::compareWithLastTransfer() {
    const TransferHistoryListing listing = history_.list();
    if (listing.entries.isEmpty()) {
        MessageBox::inform(window_, tr("No transfer to the Rotavionix has been recorded yet."));
        return;
    }
    compareWithEntry(listing.entries.constFirst());
}

void CompareCommands::compareWithHistoryEntry() {
    const TransferHistoryListing listing = history_.list();
    QStringList skipped;
    for (const SkippedHistoryFile& file : listing.skipped) {
        skipped << file.name + QStringLiteral(": ") + file.reason;
    }
    const QString note = skipped.isEmpty()
                             ? QString()
                             : tr("Skipped:") + QLatin1Char('\n') + skipped.join(QLatin1Char('\n'));
    if (listing.entries.isEmpty()) {
        MessageBox::inform(window_, tr("No transfer to the Rotavionix has been recorded yet."),
                           QMessageBox::NoIcon, note);
        return;
    }
    QList<QStringList> rows;
    for (const TransferHistoryEntry& entry : listing.entries) {
        rows.append({dateText(entry.startedAt, texts_.language), timeText(entry.startedAt),
                     entry.fileName, kindText(entry)});
    }
    const std::optional<int> chosen =
        ListChoice::choose(window_, tr("Transfers to the Rotavionix"),
                           {tr("Date"), tr("Time"), tr("File"), tr("Transfer")}, rows, note);
    if (chosen && *chosen >= 0 && *chosen < listing.entries.size()) {
        compareWithEntry(listing.entries.at(*chosen));
    }
}

// An entry that went bad since the listing gets the message a refused file gets.
void CompareCommands::compareWithEntry(const TransferHistoryEntry& entry) {
    QByteArray record;
    QString reason;
    if (!TransferHistory::readEntry(entry.path, record, &reason)) {
        MessageBox::inform(window_, texts_.cannotOpenFile, QMessageBox::Warning,
                           QDir::toNativeSeparators(entry.path) + QLatin1Char('\n') + reason);
        return;
    }
    const QString side =
        tr("Transfer of %1 on %2 at %3")
            .arg(entry.fileName, dateText(entry.startedAt, texts_.language),
                 timeText(entry.startedAt)) +
        (entry.isPartial() ? QStringLiteral(" (") + kindText(entry) + QLatin1Char(')') : QString());
    showComparison(record, side, tr("Transfer"));
}

CompareDialog* CompareCommands::showComparison(const QByteArray& other, const QString& otherSide,
                                               const QString& otherColumn) {
    auto* dialog =
        new CompareDialog(compareRecords(other, recordOf(setup_)), otherSide, otherColumn, window_);
    dialog->open();
    return dialog;
}

} // namespace rv

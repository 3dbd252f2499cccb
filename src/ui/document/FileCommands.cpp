// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/document/FileCommands.h"

#include "core/format/ParameterFile.h"
#include "core/format/ParameterRecord.h"
#include "core/format/SetupRecord.h"
#include "core/model/Setup.h"
#include "core/model/SetupEdits.h"
#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsStore.h"
#include "ui/document/DifferenceReport.h"
#include "ui/texts/Dialogs.h"
#include "ui/texts/MessageTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace rv {

// The comment as the file holds it: Windows line ends, as the files have always had.
QString FileCommands::commentBoxText() const {
    // The raw text keeps a no-break space, which the plain text makes a blank.
    QString text = comment_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

FileCommands::FileCommands(SetupDocument& document, std::function<void(const Setup&)> adoptSetup,
                           const MessageTexts& texts, const QString& fileFilter,
                           QPlainTextEdit* comment, QWidget* window)
    : QObject(window), document_(document), setup_(document.setup()),
      adoptSetup_(std::move(adoptSetup)), texts_(texts), fileFilter_(fileFilter), comment_(comment),
      window_(window) {
    connect(comment_, &QPlainTextEdit::textChanged, this, &FileCommands::takeEditedComment);
}

void FileCommands::takeEditedComment() {
    const QString text = commentBoxText();
    document_.edit(SetupChange::Comment, [&text](Setup& setup) { editComment(setup, text); });
}

bool FileCommands::hasUnsavedChanges() const {
    return rv::hasUnsavedChanges(setup_);
}

namespace {

// The Open dialog lists *.rvc only: a name typed without suffix gets it, or
// the saved file could not be found again.
QString withParameterSuffix(const QString& path) {
    if (!QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path +
           (path.endsWith(QLatin1Char('.')) ? QStringLiteral("rvc") : QStringLiteral(".rvc"));
}

} // namespace

void FileCommands::reportFileFailure(const QString& path, const QString& reason) {
    // The path and the reason on lines of their own, so that neither runs
    // into the message.
    QString detail = path;
    if (!reason.isEmpty()) {
        detail += QLatin1Char('\n') + reason;
    }
    MessageBox::inform(window_, texts_.cannotOpenFile, QMessageBox::Warning, detail);
}

bool FileCommands::loadCurrentFile() {
    return loadFile(setup_.currentFileName);
}

// A file that cannot be read or shown in full leaves the window's setup
// exactly as it was, never half the one and half the other.
bool FileCommands::loadFile(const QString& path) {
    std::optional<Setup> loaded = readShowableFile(path);
    if (!loaded) {
        return false;
    }
    adoptSetup_(*loaded);
    return true;
}

std::optional<Setup> FileCommands::readShowableFile(const QString& path, QByteArray* record) {
    QByteArray bytes;
    QString reason;
    if (!readParameterFile(path, bytes, &reason)) {
        reportFileFailure(path, reason);
        return std::nullopt;
    }
    std::optional<Setup> loaded = showableRecord(path, bytes);
    if (loaded && record != nullptr) {
        *record = bytes;
    }
    return loaded;
}

std::optional<Setup> FileCommands::showableRecord(const QString& path, const QByteArray& record) {
    std::variant<Setup, Refusal> loaded = applyRecord(setup_, record);
    if (const auto* refusal = std::get_if<Refusal>(&loaded)) {
        reportFileFailure(path, refusal->detail());
        return std::nullopt;
    }
    return std::get<Setup>(std::move(loaded));
}

bool FileCommands::adoptRecord(const QString& path, const QByteArray& record,
                               bool isParameterFile) {
    std::optional<Setup> setup = showableRecord(path, record);
    if (!setup) {
        return false;
    }
    // The current file does not hold this setup: closing or opening asks first.
    setup->changed = !isParameterFile;
    adoptSetup_(*setup);
    return true;
}

QString FileCommands::changesFromFile() const {
    const QString& path = setup_.currentFileName;
    QByteArray record;
    QString reason;
    if (!readParameterFile(path, record, &reason)) {
        return tr("%1 cannot be read: %2").arg(fileSideName(path), reason);
    }
    return differenceText(compareRecords(record, recordOf(setup_)), fileSideName(path));
}

void FileCommands::setCurrentFileName(const QString& path) {
    document_.edit(SetupChange::Bookkeeping,
                   [&path](Setup& setup) { setup.currentFileName = path; });
}

void FileCommands::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        MessageBox::inform(
            window_,
            tr("%1 no longer exists. It has been removed from the recent files.").arg(path),
            QMessageBox::Warning);
        RecentFiles::remove(path);
        return;
    }
    offerToSaveFirst();
    openChosenFile(path);
}

void FileCommands::setCurrentFile(const QString& path) {
    setCurrentFileName(path);
    SettingsStore::write(QStringLiteral("LastFile"), path);
    RecentFiles::add(path);
    Q_EMIT currentFileChanged();
}

QString FileCommands::proposedSaveName() const {
    // Without a readable settings store the name is the store's "Not Found",
    // which is no name to save under.
    if (setup_.currentFileName.isEmpty() || setup_.currentFileName == SettingsStore::notFound()) {
        return QDir::toNativeSeparators(
            QDir::current().absoluteFilePath(QStringLiteral("Default.rvc")));
    }
    return setup_.currentFileName;
}

// Open and save change the current file only when they succeed: the caption
// and "LastFile" always name the file whose setup the window shows.
void FileCommands::offerToSaveFirst() {
    if (hasUnsavedChanges() &&
        MessageBox::askYesNo(window_, texts_.saveFirstQuestion, QMessageBox::Critical,
                             QMessageBox::Yes, changesFromFile())) {
        saveFile(); // whatever its outcome, the open goes on
    }
}

void FileCommands::openFile() {
    offerToSaveFirst();
    const QString chosen = FileDialogs::getOpenFileName(window_, texts_.programName,
                                                        QStringLiteral("*.rvc"), fileFilter_);
    if (chosen.isEmpty()) {
        return;
    }
    // Qt's dialogs give "/" on Windows too; the caption, the messages and the
    // stored "LastFile" use the system's own separator.
    openChosenFile(QDir::toNativeSeparators(chosen));
}

bool FileCommands::openChosenFile(const QString& path) {
    if (!loadFile(path)) {
        return false;
    }
    setCurrentFile(path);
    return true;
}

bool FileCommands::saveFile() {
    const QString chosen =
        FileDialogs::getSaveFileName(window_, texts_.programName, proposedSaveName(), fileFilter_);
    if (chosen.isEmpty()) {
        return false;
    }
    const QString path = withParameterSuffix(QDir::toNativeSeparators(chosen));
    // The dialog asked before replacing the name it returned, not the one with the suffix.
    if (path != QDir::toNativeSeparators(chosen) && QFileInfo::exists(path) &&
        !MessageBox::askYesNo(window_,
                              tr("%1 already exists. Do you want to replace it?").arg(path),
                              QMessageBox::Warning, QMessageBox::No)) {
        return false;
    }
    QString reason;
    if (!writeParameterFile(path, recordOf(setup_), &reason)) {
        reportFileFailure(path, reason);
        return false;
    }
    document_.replace(savedSetup(setup_), SetupChange::Bookkeeping);
    setCurrentFile(path);
    return true;
}

} // namespace rv

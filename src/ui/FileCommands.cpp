#include "ui/FileCommands.h"

#include "files/ParameterFile.h"
#include "files/ParameterRecord.h"
#include "files/SettingsStore.h"
#include "files/SetupRecord.h"
#include "model/Setup.h"
#include "ui/Dialogs.h"
#include "ui/ImageBinder.h"
#include "ui/MessageTexts.h"

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

QString FileCommands::savedCommentInBox() const {
    return withWindowsLineBreaks(commentTextFromField(set_.storedComment));
}

FileCommands::FileCommands(Setup& set, ImageBinder& binder, const MessageTexts& texts,
                           const QString& fileFilter, QPlainTextEdit* comment, QWidget* window)
    : QObject(window), set_(set), binder_(binder), texts_(texts), fileFilter_(fileFilter),
      comment_(comment), window_(window) {
    connect(comment_, &QPlainTextEdit::textChanged, this, &FileCommands::Comment_Change);
}

void FileCommands::Comment_Change() {
    set_.changed = true;
}

bool FileCommands::HasUnsavedChanges() {
    binder_.CollectImage();
    return !set_.image.unitEntriesEqual(set_.referenceImage) ||
           commentBoxText() != savedCommentInBox() || set_.changed;
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
    MessageBox::inform(window_, texts_.FILE_FAIL, QMessageBox::Warning, detail);
}

bool FileCommands::LoadParameterFile() {
    return loadFile(set_.currentFileName);
}

bool FileCommands::loadFile(const QString& path) {
    // Read into a copy: a file that cannot be read or shown in full leaves the
    // window's setup exactly as it was, never half the one and half the other.
    Setup loaded = set_;
    QString reason;
    if (!readParameterFile(path, loaded, &reason)) {
        reportFileFailure(path, reason);
        return false;
    }
    if (const std::optional<int> entry = firstUnshowableEntry(loaded.image)) {
        reportFileFailure(path, Refusal{*entry, loaded.image.at(*entry)}.detail());
        return false;
    }
    set_ = std::move(loaded);
    set_.referenceImage.copyUnitEntriesFrom(set_.image);
    if (!binder_.ApplyImage()) {
        reportFileFailure(path, QString()); // cannot happen: the image was checked above
        return false;
    }
    binder_.ShowCurves();
    set_.changed = false;
    return true;
}

void FileCommands::setCurrentFile(const QString& path) {
    set_.currentFileName = path;
    SettingsStore::write(QStringLiteral("LastFile"), path);
    Q_EMIT currentFileChanged();
}

QString FileCommands::proposedSaveName() const {
    // Without a readable settings store the name is the store's "Not Found",
    // which is no name to save under.
    if (set_.currentFileName.isEmpty() || set_.currentFileName == SettingsStore::notFound()) {
        return QDir::toNativeSeparators(
            QDir::current().absoluteFilePath(QStringLiteral("Default.rvc")));
    }
    return set_.currentFileName;
}

// Open and save change the current file only when they succeed: the caption
// and "LastFile" always name the file whose setup the window shows.
void FileCommands::mnuOpen_Click() {
    if (HasUnsavedChanges() && MessageBox::askYesNo(window_, texts_.QOPEN, QMessageBox::Critical)) {
        mnuSave_Click(); // whatever its outcome, the open goes on
    }
    const QString chosen =
        FileDialogs::getOpenFileName(window_, texts_.PROG, QStringLiteral("*.rvc"), fileFilter_);
    if (chosen.isEmpty()) {
        return;
    }
    // Qt's dialogs give "/" on Windows too; the caption, the messages and the
    // stored "LastFile" use the system's own separator.
    const QString path = QDir::toNativeSeparators(chosen);
    if (loadFile(path)) {
        setCurrentFile(path);
    }
}

bool FileCommands::mnuSave_Click() {
    const QString chosen =
        FileDialogs::getSaveFileName(window_, texts_.PROG, proposedSaveName(), fileFilter_);
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
    binder_.CollectImage();
    const QString previousComment = set_.storedComment;
    // A comment left as loaded keeps its bytes, even a lone CR or LF that
    // the box shows as a line break.
    if (const QString boxText = commentBoxText(); boxText != savedCommentInBox()) {
        set_.storedComment = commentFieldFromText(boxText);
    }
    QString reason;
    if (!writeParameterFile(path, set_, &reason)) {
        set_.storedComment = previousComment; // nothing was saved
        reportFileFailure(path, reason);
        return false;
    }
    setCurrentFile(path);
    set_.referenceImage.copyUnitEntriesFrom(set_.image);
    set_.changed = false;
    return true;
}

} // namespace rv

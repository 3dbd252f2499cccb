#include "ui/FileCommands.h"

#include "files/ParameterFile.h"
#include "files/ParameterRecord.h"
#include "files/SettingsStore.h"
#include "model/ParameterSet.h"
#include "ui/Dialogs.h"
#include "ui/ImageBinder.h"
#include "ui/MessageTexts.h"

#include <QDir>
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
    return withWindowsLineBreaks(commentTextFromField(set_.commentText));
}

FileCommands::FileCommands(ParameterSet& set, ImageBinder& binder, const MessageTexts& texts,
                           const QString& fileFilter, QPlainTextEdit* comment, QWidget* window)
    : QObject(window), set_(set), binder_(binder), texts_(texts), fileFilter_(fileFilter),
      comment_(comment), window_(window) {
    connect(comment_, &QPlainTextEdit::textChanged, this, &FileCommands::Comment_Change);
}

void FileCommands::Comment_Change() {
    set_.Changed = true;
}

bool FileCommands::HasUnsavedChanges() {
    binder_.CollectImage();
    return !set_.image.unitEntriesEqual(set_.referenceImage) ||
           commentBoxText() != savedCommentInBox() || set_.Changed;
}

void FileCommands::reportFileFailure(const QString& reason) {
    MessageBox::inform(window_, texts_.FILE_FAIL + set_.CurrentFileName, QMessageBox::Warning,
                       reason);
}

bool FileCommands::LoadParameterFile() {
    // Read into a copy: a file that cannot be read or shown in full leaves the
    // window's setup exactly as it was, never half the one and half the other.
    ParameterSet loaded = set_;
    QString reason;
    if (!readParameterFile(set_.CurrentFileName, loaded, &reason)) {
        reportFileFailure(reason);
        return false;
    }
    if (const std::optional<int> entry = firstUnshowableEntry(loaded.image)) {
        reportFileFailure(tr("Byte %1 of the parameter set holds %2, which no setting of this "
                             "program stands for.")
                              .arg(*entry)
                              .arg(loaded.image.at(*entry)));
        return false;
    }
    set_ = std::move(loaded);
    set_.referenceImage.copyUnitEntriesFrom(set_.image);
    if (!binder_.ApplyImage()) {
        reportFileFailure(QString()); // cannot happen: the image was checked above
        return false;
    }
    binder_.ShowCurves();
    set_.Changed = false;
    return true;
}

void FileCommands::setCurrentFile(const QString& chosen) {
    // Qt's dialogs give "/" on Windows too; the caption, the messages and the
    // stored "LastFile" use the system's own separator.
    const QString path = QDir::toNativeSeparators(chosen);
    set_.CurrentFileName = path;
    SettingsStore::write(QStringLiteral("LastFile"), path);
    Q_EMIT currentFileChanged();
}

void FileCommands::mnuOpen_Click() {
    if (HasUnsavedChanges() && MessageBox::askYesNo(window_, texts_.QOPEN, QMessageBox::Critical)) {
        mnuSave_Click(); // whatever its outcome, the open goes on
    }
    const QString path =
        FileDialogs::getOpenFileName(window_, texts_.PROG, QStringLiteral("*.rvc"), fileFilter_);
    if (path.isEmpty()) {
        return;
    }
    setCurrentFile(path);
    LoadParameterFile();
}

bool FileCommands::mnuSave_Click() {
    const QString path =
        FileDialogs::getSaveFileName(window_, texts_.PROG, set_.CurrentFileName, fileFilter_);
    if (path.isEmpty()) {
        return false;
    }
    setCurrentFile(path);
    binder_.CollectImage();
    const QString previousComment = set_.commentText;
    // A comment left as loaded keeps its bytes, even a lone CR or LF that
    // the box shows as a line break.
    if (const QString boxText = commentBoxText(); boxText != savedCommentInBox()) {
        set_.commentText = commentFieldFromText(boxText);
    }
    QString reason;
    if (!writeParameterFile(set_.CurrentFileName, set_, &reason)) {
        set_.commentText = previousComment; // nothing was saved
        reportFileFailure(reason);
        return false;
    }
    set_.referenceImage.copyUnitEntriesFrom(set_.image);
    set_.Changed = false;
    return true;
}

} // namespace rv

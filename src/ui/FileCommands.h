#pragma once

#include <QObject>

class QPlainTextEdit;
class QWidget;

namespace rv {

class ImageBinder;
struct MessageTexts;
struct Setup;

// The File menu's open and save, the load of the current file, and the
// detection of unsaved changes.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(Setup& set, ImageBinder& binder, const MessageTexts& texts,
                 const QString& fileFilter, QPlainTextEdit* comment, QWidget* window);

    bool HasUnsavedChanges();
    // Loads CurrentFileName; false (after telling the user) when it could not be read or applied.
    bool LoadParameterFile();
    void mnuOpen_Click();
    // False when cancelled or failed.
    bool mnuSave_Click();
    void Comment_Change();

Q_SIGNALS:
    // CurrentFileName has changed: the caption follows.
    void currentFileChanged();

private:
    // The comment box's text as the file holds it: line breaks as CR LF.
    QString commentBoxText() const;
    // The last loaded or saved comment as the box shows it.
    QString savedCommentInBox() const;
    // Loads the file into the window; false (after telling the user) when
    // it could not be read or shown, leaving the window as it was.
    bool loadFile(const QString& path);
    void setCurrentFile(const QString& path);
    // The name the save dialog starts with.
    QString proposedSaveName() const;
    void reportFileFailure(const QString& path, const QString& reason);

    Setup& set_;
    ImageBinder& binder_;
    const MessageTexts& texts_;
    const QString& fileFilter_;
    QPlainTextEdit* comment_;
    QWidget* window_;
};

} // namespace rv

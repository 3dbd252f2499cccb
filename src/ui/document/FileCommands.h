// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"

#include <QObject>

#include <functional>
#include <optional>

class QPlainTextEdit;
class QWidget;

namespace rv {

struct MessageTexts;

// The File menu's open and save, the load of the current file, and the
// detection of unsaved changes.
class FileCommands : public QObject {
    Q_OBJECT
public:
    // adoptSetup takes a loaded setup into the window and shows it.
    FileCommands(SetupDocument& document, std::function<void(const Setup&)> adoptSetup,
                 const MessageTexts& texts, const QString& fileFilter, QPlainTextEdit* comment,
                 QWidget* window);

    // Compares only: what a save would store against the last load or save.
    bool hasUnsavedChanges() const;
    // Loads currentFileName; false (after telling the user) when it could not be read or shown.
    bool loadCurrentFile();
    // The file the next loadCurrentFile reads (the start-up's "LastFile").
    void setCurrentFileName(const QString& path);
    // File > Open (mnuOpen).
    void openFile();
    // Opens `path` as File > Open opens the file chosen in its dialog (without
    // asking about unsaved changes); false, after telling the user, when refused.
    bool openChosenFile(const QString& path);
    // File > Save (mnuSave); false when cancelled or failed.
    bool saveFile();
    // The setup a file would give the window, or nothing after telling the
    // user why it cannot be read or shown; *record gets the file's record.
    std::optional<Setup> readShowableFile(const QString& path, QByteArray* record = nullptr);
    // What differs between the current file and what a save would write, as
    // plain text in the window's language (the unsaved-changes questions' details).
    QString changesFromFile() const;
    // A file picked from the recent files: opened as File > Open opens it, or,
    // when it no longer exists, reported and taken off the list.
    void openRecentFile(const QString& path);

    // What Open does before it replaces the window's setup: with unsaved
    // changes, asks "Save first?" and saves on Yes (whatever the outcome).
    void offerToSaveFirst();
    // Shows a record read from `path` as Open does, or tells why it is
    // refused and keeps the window as it was. A record that is not the file's
    // own (an imported text) leaves the setup marked as not saved.
    bool adoptRecord(const QString& path, const QByteArray& record, bool isParameterFile);
    // "Cannot open file." with the path and the reason under it.
    void reportFileFailure(const QString& path, const QString& reason);

Q_SIGNALS:
    // currentFileName has changed: the caption follows.
    void currentFileChanged();

private:
    // The comment box's text as the file holds it: line breaks as CR LF.
    QString commentBoxText() const;
    void takeEditedComment();
    // Loads the file into the window; false (after telling the user) when
    // it could not be read or shown, leaving the window as it was.
    bool loadFile(const QString& path);
    // The setup a record gives the window, or nothing after telling why it is refused.
    std::optional<Setup> showableRecord(const QString& path, const QByteArray& record);
    void setCurrentFile(const QString& path);
    // The name the save dialog starts with.
    QString proposedSaveName() const;

    SetupDocument& document_;
    const Setup& setup_;
    std::function<void(const Setup&)> adoptSetup_;
    const MessageTexts& texts_;
    const QString& fileFilter_;
    QPlainTextEdit* comment_;
    QWidget* window_;
};

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace rv {

class FileCommands;
struct MessageTexts;
struct Setup;

// File > Export as text and Import text: the setup as a text a pilot can
// read, share and keep in version control.
class TextFormCommands : public QObject {
    Q_OBJECT
public:
    TextFormCommands(const Setup& setup, FileCommands& files, const MessageTexts& texts,
                     QWidget* window);

    // Adds the two entries to the menu (mnuExportText, mnuImportText).
    void addTo(QMenu* menu);
    // Captions in the program's language, once its translator is in place.
    void retranslate();
    // Unavailable during a transfer, like Open.
    void setImportEnabled(bool enabled);

    // Writes the setup as it would be saved.
    void exportText();
    // Replaces the window's setup by a text's, as Open does with a file; a
    // text with a bad line changes nothing and every bad line is listed.
    void importText();

private:
    QString proposedTextName() const;

    const Setup& setup_;
    FileCommands& files_;
    const MessageTexts& texts_;
    QWidget* window_;
    QAction* exportAction_ = nullptr;
    QAction* importAction_ = nullptr;
};

} // namespace rv

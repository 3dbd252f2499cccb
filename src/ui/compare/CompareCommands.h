// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QByteArray;
class QMenu;

namespace rv {

class CompareDialog;
class FileCommands;
class TransferHistory;
struct MessageTexts;
struct Setup;
struct TransferHistoryEntry;

// File > Compare: the window against its file, another parameter file, or
// what was sent to the unit (an entry of the transfer history). Each shows
// its differences in a CompareDialog.
class CompareCommands : public QObject {
    Q_OBJECT
public:
    CompareCommands(const Setup& setup, FileCommands& files, const TransferHistory& history,
                    const MessageTexts& texts, const QString& fileFilter, QWidget* window);

    // The Compare submenu of `file`; its texts follow retranslate.
    void addMenu(QMenu* file);
    // Captions in the language of the program's translator.
    void retranslate();

    void compareWithCurrentFile();
    void compareWithOtherFile();
    void compareWithLastTransfer();
    // Any entry of the history, picked from a list.
    void compareWithHistoryEntry();

    // Opens the dialog for another side's record against the window's.
    CompareDialog* showComparison(const QByteArray& other, const QString& otherSide,
                                  const QString& otherColumn);

private:
    void compareWithFile(const QString& path);
    void compareWithEntry(const TransferHistoryEntry& entry);

    const Setup& setup_;
    FileCommands& files_;
    const TransferHistory& history_;
    const MessageTexts& texts_;
    const QString& fileFilter_;
    QWidget* window_;
    QMenu* menu_ = nullptr;
};

} // namespace rv

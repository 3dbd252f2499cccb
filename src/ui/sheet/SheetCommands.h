// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace rv {

struct MessageTexts;
struct Setup;

// File > Print and File > Export PDF: the setup sheet of the window's setup,
// in the window's language.
class SheetCommands : public QObject {
    Q_OBJECT
public:
    SheetCommands(const Setup& setup, const MessageTexts& texts, QWidget* window);

    void printSheet();
    // False when cancelled or when the file could not be written (the user was told).
    bool exportPdf();

private:
    // The name the export dialog proposes: the parameter file's, as .pdf.
    QString proposedPdfName() const;

    const Setup& setup_;
    const MessageTexts& texts_;
    QWidget* window_;
};

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace rv {

// Every modal dialog of the program goes through these wrappers, so that a
// test can answer it in advance instead of a person. In test mode a dialog
// without a queued answer is never shown: it is recorded and answered with
// its escape answer (No, Cancel or OK), so a forgotten answer cannot hang a test.
class MessageBox {
public:
    struct Shown {
        QString title;
        QString text;
        QString detail;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        // The button that Enter presses.
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        // The application-wide pointer while the box was up; none when unset.
        std::optional<Qt::CursorShape> pointer;
        // The buttons' own captions where the program sets them, in button order.
        QStringList buttonTexts;
        // The section the box's "Show Details..." button opens.
        QString detailedText;
    };
    struct Choice {
        QMessageBox::StandardButton button;
        QString text;
    };

    // The program's title on every box.
    static QString title();

    // A message with an OK button only; detail is shown as the box's detail text.
    static void inform(QWidget* parent, const QString& text,
                       QMessageBox::Icon icon = QMessageBox::NoIcon, const QString& detail = {});
    // A Yes/No question; returns true for Yes. Enter presses defaultButton.
    // detailedText, when given, is shown on request below the question.
    static bool askYesNo(QWidget* parent, const QString& text,
                         QMessageBox::Icon icon = QMessageBox::NoIcon,
                         QMessageBox::StandardButton defaultButton = QMessageBox::Yes,
                         const QString& detailedText = {});

    // A question with buttons captioned by the program; returns the chosen
    // button, escape when the box is closed. Enter presses defaultButton.
    static QMessageBox::StandardButton choose(QWidget* parent, const QString& text,
                                              const QList<Choice>& choices,
                                              QMessageBox::StandardButton defaultButton,
                                              QMessageBox::StandardButton escape);

    static void setTestMode(bool on);
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static const QList<Shown>& history();
    static void clearHistory();

private:
    static QMessageBox::StandardButton exec(QWidget* parent, const Shown& shown,
                                            QMessageBox::StandardButton escape);
};

// The text-input dialog (the language prompt).
class InputPrompt {
public:
    struct Shown {
        QString title;
        QString label;
        QString defaultText;
    };
    // The entered text, or nothing when the user cancelled.
    static std::optional<QString> getText(QWidget* parent, const QString& title,
                                          const QString& label, const QString& defaultText);

    static void setNextAnswer(std::optional<QString> answer);
    static const QList<Shown>& history();
    static void clearHistory();
};

// The open and save dialogs; an empty result means the user cancelled.
class FileDialogs {
public:
    struct Shown {
        bool save = false;
        QString title;
        QString proposedName;
        QString filter;
        QString defaultSuffix; // what a save adds to a name typed without suffix
    };
    static QString getOpenFileName(QWidget* parent, const QString& title,
                                   const QString& proposedName, const QString& filter);
    static QString getSaveFileName(QWidget* parent, const QString& title,
                                   const QString& proposedName, const QString& filter);

    // Queue the path the next dialog returns ("" = cancelled).
    static void setNextFileName(const QString& path);
    static const QList<Shown>& history();
    static void clearHistory();
};

// A choice of one row from a list (the transfer history), with a note below
// it; the index of the chosen row, or nothing when the user cancelled.
class ListChoice {
public:
    struct Shown {
        QString title;
        QStringList headers;
        QList<QStringList> rows;
        QString note;
    };
    static std::optional<int> choose(QWidget* parent, const QString& title,
                                     const QStringList& headers, const QList<QStringList>& rows,
                                     const QString& note);

    static void setNextAnswer(std::optional<int> answer);
    static const QList<Shown>& history();
    static void clearHistory();
};

// The print dialog's answers for the tests; the dialog itself is Qt's, shown
// by the sheet commands.
class PrintDialog {
public:
    // Counts one dialog shown and says what it answers: nothing when the real
    // dialog is to ask, else "" for cancelled or a PDF file to print to.
    static std::optional<QString> takeAnswer();

    // Queue the next dialog's answer: "" cancels, a path accepts with the
    // printer writing a PDF file there instead of using a printer.
    static void setNextAnswer(const QString& pdfPath);
    static int shownCount();
    static void clearHistory();
};

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/texts/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QQueue>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rv {

namespace {
bool testMode = false;
QQueue<QMessageBox::StandardButton> messageAnswers;
QList<MessageBox::Shown> messageHistory;
QQueue<std::optional<QString>> promptAnswers;
QList<InputPrompt::Shown> promptHistory;
QQueue<QString> fileAnswers;
QList<FileDialogs::Shown> fileHistory;
QQueue<std::optional<int>> choiceAnswers;
QList<ListChoice::Shown> choiceHistory;

// The list dialog itself: rows in columns, Enter or a double-click takes the current row.
std::optional<int> runListDialog(QWidget* parent, const ListChoice::Shown& shown) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ListChoice"));
    dialog.setWindowTitle(shown.title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("ListChoiceRows"));
    list->setAccessibleName(shown.title);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(shown.headers);
    for (const QStringList& row : shown.rows) {
        list->addTopLevelItem(new QTreeWidgetItem(row));
    }
    for (int column = 0; column < shown.headers.size(); ++column) {
        list->resizeColumnToContents(column);
    }
    list->setCurrentItem(list->topLevelItem(0));
    layout->addWidget(list);
    if (!shown.note.isEmpty()) {
        auto* note = new QLabel(shown.note, &dialog);
        note->setTextFormat(Qt::PlainText);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(560, 400);
    if (dialog.exec() != QDialog::Accepted || list->currentItem() == nullptr) {
        return std::nullopt;
    }
    return list->indexOfTopLevelItem(list->currentItem());
}
QQueue<QString> printAnswers;
int printDialogsShown = 0;

// The pattern part of a filter such as "Description |  *.rvc" as Qt wants it:
// "Description (*.rvc)". The description already names the pattern.
QString qtFilter(const QString& filter) {
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        return filter;
    }
    const QString description = filter.left(bar).trimmed();
    const QString pattern = filter.mid(bar + 1).trimmed();
    if (description.contains(pattern)) {
        return description;
    }
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

QList<QMessageBox::StandardButton> standardButtonsInOrder(QMessageBox::StandardButtons buttons) {
    QList<QMessageBox::StandardButton> ordered;
    for (int bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit))) {
            ordered.append(static_cast<QMessageBox::StandardButton>(bit));
        }
    }
    return ordered;
}

// The suffix a save dialog adds to a name typed without one: the filter's
// first pattern's ("*.rvc" gives "rvc").
QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

QString runFileDialog(QWidget* parent, bool save, const QString& title, const QString& proposedName,
                      const QString& filter) {
    const QString suffix = save ? suffixOfFilter(filter) : QString();
    fileHistory.append({save, title, proposedName, filter, suffix});
    if (!fileAnswers.isEmpty()) {
        return fileAnswers.dequeue();
    }
    if (testMode) {
        return {};
    }
    if (!save) {
        return QFileDialog::getOpenFileName(parent, title, proposedName, qtFilter(filter));
    }
    QFileDialog dialog(parent, title, proposedName, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Added before the dialog asks whether to replace an existing file, so
    // that it asks about the file that will be written.
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString MessageBox::title() {
    return QStringLiteral("Rotavionix Control");
}

QMessageBox::StandardButton MessageBox::exec(QWidget* parent, const Shown& shown,
                                             QMessageBox::StandardButton escape) {
    messageHistory.append(shown);
    if (const QCursor* pointer = QApplication::overrideCursor()) {
        messageHistory.last().pointer = pointer->shape();
    }
    if (!messageAnswers.isEmpty()) {
        return messageAnswers.dequeue();
    }
    if (testMode) {
        return escape;
    }
    QMessageBox box(shown.icon, shown.title, shown.text, shown.buttons, parent);
    if (!shown.detail.isEmpty()) {
        // As plain text, line breaks kept: a path is never taken for markup.
        box.setInformativeText(Qt::convertFromPlainText(shown.detail, Qt::WhiteSpaceNormal));
    }
    if (!shown.detailedText.isEmpty()) {
        box.setDetailedText(shown.detailedText);
    }
    qsizetype captioned = 0;
    for (QMessageBox::StandardButton button : standardButtonsInOrder(shown.buttons)) {
        if (captioned < shown.buttonTexts.size()) {
            box.button(button)->setText(shown.buttonTexts.at(captioned++));
        }
    }
    box.setEscapeButton(escape);
    box.setDefaultButton(shown.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBox::inform(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                        const QString& detail) {
    exec(parent, {title(), text, detail, icon, QMessageBox::Ok, QMessageBox::Ok, {}, {}, {}},
         QMessageBox::Ok);
}

bool MessageBox::askYesNo(QWidget* parent, const QString& text, QMessageBox::Icon icon,
                          QMessageBox::StandardButton defaultButton, const QString& detailedText) {
    return exec(parent,
                {title(),
                 text,
                 {},
                 icon,
                 QMessageBox::Yes | QMessageBox::No,
                 defaultButton,
                 {},
                 {},
                 detailedText},
                QMessageBox::No) == QMessageBox::Yes;
}

QMessageBox::StandardButton MessageBox::choose(QWidget* parent, const QString& text,
                                               const QList<Choice>& choices,
                                               QMessageBox::StandardButton defaultButton,
                                               QMessageBox::StandardButton escape) {
    Shown shown{title(), text, {}, QMessageBox::NoIcon, {}, defaultButton, {}, {}, {}};
    for (const Choice& choice : choices) {
        shown.buttons |= choice.button;
    }
    // Kept in the order of the button flags, the order exec() captions them in.
    for (QMessageBox::StandardButton button : standardButtonsInOrder(shown.buttons)) {
        for (const Choice& choice : choices) {
            if (choice.button == button) {
                shown.buttonTexts.append(choice.text);
            }
        }
    }
    return exec(parent, shown, escape);
}

void MessageBox::setTestMode(bool on) {
    testMode = on;
}
void MessageBox::setNextAnswer(QMessageBox::StandardButton answer) {
    messageAnswers.enqueue(answer);
}
const QList<MessageBox::Shown>& MessageBox::history() {
    return messageHistory;
}
void MessageBox::clearHistory() {
    messageHistory.clear();
    messageAnswers.clear();
}

std::optional<QString> InputPrompt::getText(QWidget* parent, const QString& title,
                                            const QString& label, const QString& defaultText) {
    promptHistory.append({title, label, defaultText});
    if (!promptAnswers.isEmpty()) {
        return promptAnswers.dequeue();
    }
    if (testMode) {
        return std::nullopt;
    }
    bool ok = false;
    // The prompt separates its lines with CR CR LF; a label shows plain line breaks.
    QString shownLabel = label;
    shownLabel.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).remove(QLatin1Char('\r'));
    const QString text =
        QInputDialog::getText(parent, title, shownLabel, QLineEdit::Normal, defaultText, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

void InputPrompt::setNextAnswer(std::optional<QString> answer) {
    promptAnswers.enqueue(std::move(answer));
}
const QList<InputPrompt::Shown>& InputPrompt::history() {
    return promptHistory;
}
void InputPrompt::clearHistory() {
    promptHistory.clear();
    promptAnswers.clear();
}

QString FileDialogs::getOpenFileName(QWidget* parent, const QString& title,
                                     const QString& proposedName, const QString& filter) {
    return runFileDialog(parent, false, title, proposedName, filter);
}

QString FileDialogs::getSaveFileName(QWidget* parent, const QString& title,
                                     const QString& proposedName, const QString& filter) {
    return runFileDialog(parent, true, title, proposedName, filter);
}

void FileDialogs::setNextFileName(const QString& path) {
    fileAnswers.enqueue(path);
}
const QList<FileDialogs::Shown>& FileDialogs::history() {
    return fileHistory;
}
void FileDialogs::clearHistory() {
    fileHistory.clear();
    fileAnswers.clear();
}

std::optional<int> ListChoice::choose(QWidget* parent, const QString& title,
                                      const QStringList& headers, const QList<QStringList>& rows,
                                      const QString& note) {
    const Shown shown{title, headers, rows, note};
    choiceHistory.append(shown);
    if (!choiceAnswers.isEmpty()) {
        return choiceAnswers.dequeue();
    }
    if (testMode) {
        return std::nullopt;
    }
    return runListDialog(parent, shown);
}

void ListChoice::setNextAnswer(std::optional<int> answer) {
    choiceAnswers.enqueue(answer);
}
const QList<ListChoice::Shown>& ListChoice::history() {
    return choiceHistory;
}
void ListChoice::clearHistory() {
    choiceHistory.clear();
    choiceAnswers.clear();
}

std::optional<QString> PrintDialog::takeAnswer() {
    ++printDialogsShown;
    if (!printAnswers.isEmpty()) {
        return printAnswers.dequeue();
    }
    if (testMode) {
        return QString();
    }
    return std::nullopt;
}

void PrintDialog::setNextAnswer(const QString& pdfPath) {
    printAnswers.enqueue(pdfPath);
}
int PrintDialog::shownCount() {
    return printDialogsShown;
}
void PrintDialog::clearHistory() {
    printDialogsShown = 0;
    printAnswers.clear();
}

} // namespace rv

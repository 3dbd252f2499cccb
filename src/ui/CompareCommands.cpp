#include "ui/CompareCommands.h"

#include "files/SetupRecord.h"
#include "ui/CompareDialog.h"
#include "ui/Dialogs.h"
#include "ui/DifferenceReport.h"
#include "ui/FileCommands.h"
#include "ui/MessageTexts.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace rv {

namespace {
// The actions of the submenu, in order.
enum CompareAction { WithCurrentFile, WithOtherFile, ActionCount };
} // namespace

CompareCommands::CompareCommands(const Setup& setup, FileCommands& files, const MessageTexts& texts,
                                 const QString& fileFilter, QWidget* window)
    : QObject(window), setup_(setup), files_(files), texts_(texts), fileFilter_(fileFilter),
      window_(window) {}

void CompareCommands::addMenu(QMenu* file) {
    menu_ = file->addMenu(QString());
    menu_->setObjectName(QStringLiteral("mnuCompare"));
    QAction* current = menu_->addAction(QString(), this, &CompareCommands::compareWithCurrentFile);
    current->setObjectName(QStringLiteral("mnuCompareFile"));
    current->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction* other = menu_->addAction(QString(), this, &CompareCommands::compareWithOtherFile);
    other->setObjectName(QStringLiteral("mnuCompareOther"));
    other->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    applyTexts();
}

void CompareCommands::applyTexts() {
    if (menu_ == nullptr) {
        return;
    }
    menu_->setTitle(tr("Compare"));
    const QList<QAction*> actions = menu_->actions();
    const QString captions[ActionCount] = {tr("With the Current File"), tr("With Another File...")};
    for (int i = 0; i < ActionCount && i < actions.size(); ++i) {
        actions.at(i)->setText(captions[i]);
    }
}

void CompareCommands::compareWithCurrentFile() {
    compareWithFile(setup_.currentFileName);
}

void CompareCommands::compareWithOtherFile() {
    const QString chosen = FileDialogs::getOpenFileName(window_, texts_.programName,
                                                        QStringLiteral("*.rvc"), fileFilter_);
    if (!chosen.isEmpty()) {
        compareWithFile(QDir::toNativeSeparators(chosen));
    }
}

// A file that Open would refuse is refused here too, with the same message.
void CompareCommands::compareWithFile(const QString& path) {
    QByteArray record;
    if (files_.readShowableFile(path, &record)) {
        showComparison(record, fileSideName(path), tr("File"));
    }
}

CompareDialog* CompareCommands::showComparison(const QByteArray& other, const QString& otherSide,
                                               const QString& otherColumn) {
    auto* dialog = new CompareDialog(compareRecords(other, recordOf(setup_), texts_.language),
                                     otherSide, otherColumn, window_);
    dialog->open();
    return dialog;
}

} // namespace rv

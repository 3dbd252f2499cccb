// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/SheetCommands.h"

#include "core/format/ParameterFile.h"
#include "core/model/Setup.h"
#include "core/settings/SettingsStore.h"
#include "ui/sheet/SetupSheet.h"
#include "ui/sheet/SetupSheetPage.h"
#include "ui/texts/Dialogs.h"
#include "ui/texts/MessageTexts.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace rv {

SheetCommands::SheetCommands(const Setup& setup, const MessageTexts& texts, QWidget* window)
    : QObject(window), setup_(setup), texts_(texts), window_(window) {}

void SheetCommands::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(setupSheetPageLayout());
    printer.setDocName(QFileInfo(setup_.currentFileName).fileName());
    // The tests answer instead of the dialog: empty cancels, a path prints to a PDF there.
    if (const std::optional<QString> answer = PrintDialog::takeAnswer()) {
        if (answer->isEmpty()) {
            return;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*answer);
    } else {
        QPrintDialog dialog(&printer, window_);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    const bool painted =
        paintSetupSheet(printer, setupSheet(setup_, texts_.language, QDate::currentDate())).painted;
    if (!painted || printer.printerState() == QPrinter::Error) {
        MessageBox::inform(window_, tr("The setup sheet could not be printed."),
                           QMessageBox::Warning);
    }
}

QString SheetCommands::proposedPdfName() const {
    const QString& current = setup_.currentFileName;
    if (current.isEmpty() || current == SettingsStore::notFound()) {
        return QDir::toNativeSeparators(
            QDir::current().absoluteFilePath(QStringLiteral("Default.pdf")));
    }
    const QFileInfo file(current);
    return QDir::toNativeSeparators(
        file.absoluteDir().absoluteFilePath(file.completeBaseName() + QStringLiteral(".pdf")));
}

bool SheetCommands::exportPdf() {
    const QString chosen = FileDialogs::getSaveFileName(
        window_, texts_.programName, proposedPdfName(), tr("PDF documents (*.pdf) | *.pdf"));
    if (chosen.isEmpty()) {
        return false;
    }
    QString path = QDir::toNativeSeparators(chosen);
    if (QFileInfo(path).suffix().isEmpty()) {
        path += path.endsWith(QLatin1Char('.')) ? QStringLiteral("pdf") : QStringLiteral(".pdf");
        // The dialog asked before replacing the name it returned, not this one.
        if (QFileInfo::exists(path) &&
            !MessageBox::askYesNo(window_,
                                  tr("%1 already exists. Do you want to replace it?").arg(path),
                                  QMessageBox::Warning, QMessageBox::No)) {
            return false;
        }
    }
    const QByteArray pdf = setupSheetPdf(setupSheet(setup_, texts_.language, QDate::currentDate()));
    // The parameter files' writer: atomic, and never in place of a device or pipe.
    QString reason;
    if (!writeParameterFile(path, pdf, &reason)) {
        MessageBox::inform(window_, texts_.cannotOpenFile, QMessageBox::Warning,
                           path + QLatin1Char('\n') + reason);
        return false;
    }
    return true;
}

} // namespace rv

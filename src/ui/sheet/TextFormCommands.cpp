// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/TextFormCommands.h"

#include "core/format/ParameterFile.h"
#include "core/format/SetupRecord.h"
#include "core/format/SetupText.h"
#include "core/model/Setup.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/texts/MessageTexts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace rv {

namespace {
QString textFilter() {
    return TextFormCommands::tr("Setup texts (*.txt)");
}
} // namespace

TextFormCommands::TextFormCommands(const Setup& setup, FileCommands& files,
                                   const MessageTexts& texts, QWidget* window)
    : QObject(window), setup_(setup), files_(files), texts_(texts), window_(window) {}

void TextFormCommands::addTo(QMenu* menu) {
    exportAction_ =
        menu->addAction(QStringLiteral("Export as text"), this, &TextFormCommands::exportText);
    exportAction_->setObjectName(QStringLiteral("mnuExportText"));
    importAction_ =
        menu->addAction(QStringLiteral("Import text"), this, &TextFormCommands::importText);
    importAction_->setObjectName(QStringLiteral("mnuImportText"));
}

void TextFormCommands::retranslate() {
    exportAction_->setText(tr("Export as text"));
    importAction_->setText(tr("Import text"));
}

void TextFormCommands::setImportEnabled(bool enabled) {
    importAction_->setEnabled(enabled);
}

QString TextFormCommands::proposedTextName() const {
    const QFileInfo file(setup_.currentFileName);
    const QString base =
        file.completeBaseName().isEmpty() ? QStringLiteral("Default") : file.completeBaseName();
    return QDir::toNativeSeparators(file.dir().absoluteFilePath(base + QStringLiteral(".txt")));
}

void TextFormCommands::exportText() {
    const QString chosen =
        FileDialogs::getSaveFileName(window_, texts_.programName, proposedTextName(), textFilter());
    if (chosen.isEmpty()) {
        return;
    }
    QString path = QDir::toNativeSeparators(chosen);
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".txt");
    }
    QString reason;
    if (!writeParameterFile(path, setupText(recordOf(setup_)), &reason)) {
        files_.reportFileFailure(path, reason);
    }
}

void TextFormCommands::importText() {
    files_.offerToSaveFirst();
    const QString chosen = FileDialogs::getOpenFileName(window_, texts_.programName,
                                                        QStringLiteral("*.txt"), textFilter());
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = QDir::toNativeSeparators(chosen);
    QByteArray text;
    QString reason;
    if (!readSetupTextFile(path, text, &reason)) {
        files_.reportFileFailure(path, reason);
        return;
    }
    const auto read = recordFromSetupText(text);
    if (const auto* errors = std::get_if<std::vector<SetupTextError>>(&read)) {
        QStringList lines{path};
        for (const SetupTextError& error : *errors) {
            lines << error.toString();
        }
        MessageBox::inform(window_, tr("The text was not imported: it has bad lines."),
                           QMessageBox::Warning, lines.join(QLatin1Char('\n')));
        return;
    }
    files_.adoptRecord(path, std::get<QByteArray>(read), false);
}

} // namespace rv

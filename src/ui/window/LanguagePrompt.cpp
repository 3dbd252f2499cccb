// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/LanguagePrompt.h"

#include "core/settings/ProgramLanguage.h"
#include "core/settings/StartupSettings.h"
#include "ui/texts/Dialogs.h"

#include <QStringList>

namespace rv {

std::optional<int> askLanguage(QWidget* parent, bool fromMenu) {
    // "1 = Deutsch", ...: the same in every language, built from the language table.
    QStringList lines;
    int answer = 1;
    for (const LanguageEntry& language : languages()) {
        lines << QStringLiteral("%1 = %2").arg(answer++).arg(
            QString::fromUtf8(fromMenu ? language.name : language.plainName));
    }
    return languageFromAnswer(
        InputPrompt::getText(parent, QStringLiteral("Sprache - Language - Langue"),
                             lines.join(QStringLiteral("\r\r\n")), QStringLiteral("1")),
        fromMenu);
}

} // namespace rv

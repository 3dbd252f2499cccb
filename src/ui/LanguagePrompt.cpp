#include "ui/LanguagePrompt.h"

#include "files/StartupSettings.h"
#include "ui/Dialogs.h"

namespace rv {

std::optional<int> askLanguage(QWidget* parent, bool fromMenu) {
    const QString lineBreak = QStringLiteral("\r\r\n");
    const QString french =
        fromMenu ? QStringLiteral("3 = Fran\u00e7ais") : QStringLiteral("3 = Francais");
    const QString prompt = QStringLiteral("1 = Deutsch") + lineBreak +
                           QStringLiteral("2 = English") + lineBreak + french;
    return languageFromAnswer(InputPrompt::getText(parent,
                                                   QStringLiteral("Sprache - Language - Langue"),
                                                   prompt, QStringLiteral("1")),
                              fromMenu);
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/StartupSettings.h"

#include "core/settings/ProgramLanguage.h"
#include "core/settings/SettingsStore.h"

namespace rv {

StartupSettings readStartupSettings() {
    using namespace SettingsStore;
    if (read(QStringLiteral("ComPort")) == notFound()) {
        write(QStringLiteral("ComPort"), QStringLiteral("1"));
        write(QStringLiteral("LastFile"), QStringLiteral("Default.rvc"));
        write(QStringLiteral("Language"), QStringLiteral("100"));
    }
    StartupSettings settings;
    bool ok = false;
    const int port = read(QStringLiteral("ComPort")).trimmed().toInt(&ok);
    settings.portNumber = (ok && port >= 1 && port <= 16) ? port : 1;
    settings.lastFile = read(QStringLiteral("LastFile"));
    const int language = read(QStringLiteral("Language")).trimmed().toInt(&ok);
    settings.language = (ok && isLanguage(language)) ? language : LanguageNotChosen;
    return settings;
}

std::optional<int> languageFromAnswer(const std::optional<QString>& answer, bool fromMenu) {
    if (!answer || answer->trimmed().isEmpty()) {
        // From the menu a cancel is a change of mind; a first start needs some language.
        return fromMenu ? std::nullopt : std::optional<int>(German);
    }
    // Read as a whole number, so "03" or "+2" count as well.
    bool number = false;
    const int chosen = answer->trimmed().toInt(&number);
    if (number && chosen >= 1 && chosen <= static_cast<int>(languages().size())) {
        return languages()[static_cast<std::size_t>(chosen - 1)].stored;
    }
    return std::nullopt;
}

} // namespace rv

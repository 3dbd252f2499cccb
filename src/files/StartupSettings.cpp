#include "files/StartupSettings.h"

#include "files/SettingsStore.h"

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
    settings.language = (ok && (language == 0 || language == 1 || language == 2)) ? language : 100;
    return settings;
}

std::optional<int> languageFromAnswer(const std::optional<QString>& answer, bool fromMenu) {
    if (!answer || answer->trimmed().isEmpty()) {
        // From the menu a cancel is a change of mind; a first start needs some language.
        return fromMenu ? std::nullopt : std::optional<int>(0); // German
    }
    // Read as a whole number, so "03" or "+2" count as well.
    bool number = false;
    const int chosen = answer->trimmed().toInt(&number);
    if (number && chosen >= 1 && chosen <= 3) {
        return chosen - 1;
    }
    return std::nullopt;
}

} // namespace rv

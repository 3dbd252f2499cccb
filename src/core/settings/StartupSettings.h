// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace rv {

// The three settings as the start-up uses them.
struct StartupSettings {
    int portNumber = 1; // 1..16
    QString lastFile;   // "Not Found" when missing
    int language = 100; // 0, 1, 2, or 100 when the user must be asked
};

// Reads the store, writing the first-run defaults ("ComPort" "1", "LastFile"
// "Default.rvc", "Language" "100", in this order) when "ComPort" is missing.
// A "Language" that is not 0, 1, 2 or 100 counts as 100 (ask); a "ComPort"
// that is not a number from 1 to 16 counts as 1.
StartupSettings readStartupSettings();

// The language-prompt answer as a language index: "1", "2", "3" mean German,
// English, French; anything else nothing. An empty or cancelled answer means
// German at the first start and nothing (keep the language) from the menu.
std::optional<int> languageFromAnswer(const std::optional<QString>& answer, bool fromMenu);

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>
#include <span>
#include <vector>

namespace rv {

// Languages as stored in "Language"; LanguageNotChosen means the user must be asked.
enum Language : int { German = 0, English = 1, French = 2, LanguageNotChosen = 100 };

// One language the program speaks. Adding a language takes one line in this
// table and its translations/rotavionix-control_<code>.ts.
struct LanguageEntry {
    int stored;               // the value kept in "Language"; the prompt's answer is its place + 1
    const char* code;         // ISO 639-1, names the .qm files and matches the system locale
    const char* name;         // in the language itself, as the menu's prompt shows it
    const char* plainName;    // the same in ASCII, as the prompt at the first start shows it
    const char* helpDocument; // the manual the Help entry opens
};

// In the prompt's order.
std::span<const LanguageEntry> languages();
// Nothing for a value no language is stored as.
const LanguageEntry* findLanguage(int stored);
bool isLanguage(int stored);

// The locale of dates written in a language (the sheet, the transfer history).
QLocale languageLocale(int stored);

// The language of LC_ALL, LC_MESSAGES or LANG (the first that is set), English
// when the program does not speak it.
int languageOfEnvironment();

// Qt's and the program's own translations of a language, installed into the
// application for as long as this lives. English needs none.
class ProgramTranslation {
public:
    explicit ProgramTranslation(int language);
    ~ProgramTranslation();
    ProgramTranslation(const ProgramTranslation&) = delete;
    ProgramTranslation& operator=(const ProgramTranslation&) = delete;

    // Whether the program's own translation was found (always for English).
    bool loaded() const { return loaded_; }

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
    bool loaded_ = false;
};

} // namespace rv

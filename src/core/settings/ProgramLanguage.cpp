// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <array>

namespace rv {

namespace {
constexpr auto Languages = std::to_array<LanguageEntry>({
    {German, "de", "Deutsch", "Deutsch", "Rotavionix_D.PDF"},
    {English, "en", "English", "English", "Rotavionix_E.PDF"},
    {French, "fr", "Fran\u00e7ais", "Francais", "Rotavionix_F.PDF"},
});
} // namespace

std::span<const LanguageEntry> languages() {
    return Languages;
}

const LanguageEntry* findLanguage(int stored) {
    for (const LanguageEntry& language : Languages) {
        if (language.stored == stored) {
            return &language;
        }
    }
    return nullptr;
}

bool isLanguage(int stored) {
    return findLanguage(stored) != nullptr;
}

QLocale languageLocale(int stored) {
    switch (stored) {
    case German:
        return QLocale(QLocale::German, QLocale::Germany);
    case English:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    case French:
        return QLocale(QLocale::French, QLocale::France);
    default:
        if (const LanguageEntry* language = findLanguage(stored)) {
            return QLocale(QString::fromLatin1(language->code));
        }
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
}

int languageOfEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty()) {
            continue;
        }
        // "de_DE.UTF-8", "fr_FR@euro", "de": the language is what comes first.
        const QString code = value.section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0);
        for (const LanguageEntry& language : Languages) {
            if (code == QLatin1String(language.code)) {
                return language.stored;
            }
        }
        return English;
    }
    return English;
}

ProgramTranslation::ProgramTranslation(int language) {
    const LanguageEntry* entry = findLanguage(language);
    if (entry == nullptr || language == English) {
        loaded_ = language == English;
        return; // Qt and the program speak English by themselves
    }
    const QString code = QString::fromLatin1(entry->code);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const std::pair<QString, QString> files[] = {
        {QStringLiteral("qtbase_") + code, qtFolder},
        {QStringLiteral("qtserialport_") + code, qtFolder},
        {QStringLiteral("rotavionix-control_") + code, QStringLiteral(":/i18n")}};
    for (const auto& [name, folder] : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator.get());
            translators_.push_back(std::move(translator));
            loaded_ = folder.startsWith(QLatin1Char(':'));
        }
    }
}

// The translators leave the application as they are destroyed.
ProgramTranslation::~ProgramTranslation() = default;

} // namespace rv

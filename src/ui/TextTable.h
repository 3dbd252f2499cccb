#pragma once

#include "model/SetupRangeCheck.h"
#include "ui/MessageTexts.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;
class QTabBar;

namespace rv {

struct CaptionPart;

// Languages as stored in "Language" and held in Sprache.
enum Language : int { German = 0, English = 1, French = 2, LanguageNotChosen = 100 };
bool isLanguage(int language);

// One entry of the three-language Text table. The target is a control's
// objectName, "msg:NAME" for a message text, "tab:N" for the caption of tab N,
// or "filter" for the file dialog's filter.
struct TextEntry {
    const char* target;
    const char* german;
    const char* english;
    const char* french;

    QString text(int language) const;
};

// The 116 entries in the order in which they are applied.
const std::vector<TextEntry>& textTable();
// The text the table gives target in a language; empty when it has none.
QString textOfTarget(const char* target, int language);
// A caption as the window shows it in a language, without "&" and a closing
// colon; the English caption when the table has none for the target.
QString captionText(const CaptionPart& part, int language);
// The unit beside a governor speed: one German abbreviation did for all
// languages, but English readers expect "rpm".
QString speedUnit(int language);
// The locale of dates written in a language (the sheet, the transfer history).
QLocale languageLocale(int language);

// Result of labelling the window.
struct AppliedTexts {
    MessageTexts messages;
    QString fileFilter;
    QStringList missingTargets; // controls the window does not have (should stay empty)
};

// Puts every text of the given language into its target below root, in table
// order, except the tab captions (see applyTabCaptions), and sets the speed
// units `Label23` and `Label26` ("rpm" in English, "U/min." otherwise).
AppliedTexts applyTexts(QWidget* root, int language);
void applyTabCaptions(QTabBar* tabs, int language);

} // namespace rv

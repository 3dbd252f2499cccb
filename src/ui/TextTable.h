#pragma once

#include "ui/MessageTexts.h"

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

// A caption of the window in a language, without a trailing colon or
// mnemonic; its English text where the table has none.
QString captionOf(const CaptionPart& part, int language);

// The unit after a governor speed: "rpm" in English, "U/min." otherwise.
QString speedUnit(int language);

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

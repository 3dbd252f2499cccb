// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/SetupRangeCheck.h"
#include "core/settings/ProgramLanguage.h"
#include "ui/texts/MessageTexts.h"

#include <QString>
#include <QStringList>

#include <span>

class QWidget;
class QTabBar;

namespace rv {

struct CaptionPart;

// One text of the window: its English source text, translated by the
// installed translations. The target is a control's objectName, "msg:NAME"
// for a message text, "tab:N" for the caption of tab N, or "filter" for the
// file dialog's filter.
struct TextEntry {
    const char* target;
    const char* english;

    // In the language of the installed translations.
    QString text() const;
};

// The 116 entries in the order in which they are applied.
std::span<const TextEntry> textTable();
// The text the table gives target; empty when it has none.
QString textOfTarget(const char* target);
// A caption as the window shows it, without "&" and a closing colon; the
// part's English caption when the table has none for the target.
QString captionText(const CaptionPart& part);
// The unit beside a governor speed.
QString speedUnit();

// Result of labelling the window.
struct AppliedTexts {
    MessageTexts messages;
    QString fileFilter;
    QStringList missingTargets; // controls the window does not have (should stay empty)
};

// Puts every text into its target below root, in table order, except the tab
// captions (see applyTabCaptions), and sets the speed units `Label23` and
// `Label26`. language: the one the installed translations speak.
AppliedTexts applyTexts(QWidget* root, int language);
void applyTabCaptions(QTabBar* tabs);

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/texts/MessageTexts.h"

#include <QCoreApplication>

namespace rv {

MessageTexts::MessageTexts()
    : programName(tr("Rotavionix Control")), channelTableQuestion(tr("Transfer channel table?")),
      cannotOpenPort(tr("Cannot open port.")), cannotOpenFile(tr("Cannot open file.")),
      versionCaption(tr("Version:")),
      quitUnsavedQuestion(tr("Changes not saved yet. Quit anyway?")),
      saveFirstQuestion(tr("Changes not saved yet. Save first?")) {}

} // namespace rv

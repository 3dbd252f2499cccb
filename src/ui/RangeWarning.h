#pragma once

#include "model/SetupRangeCheck.h"

#include <QList>
#include <QString>

namespace rv {

// The question before a transfer of values the unit does not expect: each
// value by the caption the window gives it in `language` (from the text
// table) and as the window shows it.
QString outOfRangeQuestion(const QList<OutOfRangeValue>& values, int language);

} // namespace rv

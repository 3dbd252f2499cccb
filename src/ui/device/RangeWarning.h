// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/SetupRangeCheck.h"

#include <QList>
#include <QString>

namespace rv {

// The question before a transfer of values the unit does not expect, in the
// language of the installed translations: each value by the caption the
// window gives it and as the window shows it.
QString outOfRangeQuestion(const QList<OutOfRangeValue>& values);

} // namespace rv

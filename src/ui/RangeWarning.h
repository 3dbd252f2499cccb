#pragma once

#include "model/SetupRangeCheck.h"

#include <QList>
#include <QString>

class QWidget;

namespace rv {

// The question before a transfer of values the unit does not expect: each
// value by the caption the window gives it (found below root, in the current
// language) and as the window shows it.
QString outOfRangeQuestion(const QList<OutOfRangeValue>& values, const QWidget* root);

} // namespace rv

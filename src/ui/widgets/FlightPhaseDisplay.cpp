// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FlightPhaseDisplay.h"

#include <QMouseEvent>

namespace rv {

FlightPhaseDisplay::FlightPhaseDisplay(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FlightPhaseDisplay::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Q_EMIT doubleClicked();
    }
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace rv

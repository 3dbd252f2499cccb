// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/UnitStateLabel.h"

#include "core/model/SetupDocument.h"
#include "ui/device/DeviceCommands.h"

#include <QFileInfo>

namespace rv {

UnitStateLabel::UnitStateLabel(const DeviceCommands& device, const SetupDocument& document,
                               QWidget* parent)
    : QLabel(parent), device_(device) {
    setObjectName(QStringLiteral("UnitState"));
    // A long text beside a transfer's progress must not widen the window; it
    // is cut instead, and its tooltip keeps it whole.
    setMinimumWidth(1);
    connect(&document, &SetupDocument::changed, this, &UnitStateLabel::refresh);
    connect(&device_, &DeviceCommands::transferEnded, this, &UnitStateLabel::refresh);
    connect(&device_, &DeviceCommands::finished, this, &UnitStateLabel::refresh);
}

void UnitStateLabel::refresh() {
    const auto& last = device_.lastTransfer();
    // During a command the transfer status speaks; the state follows its end.
    if (!last || device_.isBusy()) {
        return;
    }
    const QString file =
        last->fileName.isEmpty() ? tr("no file") : QFileInfo(last->fileName).fileName();
    const QString time = last->startedAt.toString(QStringLiteral("HH:mm:ss"));
    QString state;
    if (last->partial) {
        state = tr("Only part of %1 reached the Rotavionix (%2)").arg(file, time);
    } else if (device_.unitMayDifferFromWindow()) {
        // The news first: a status bar short of room cuts the end.
        state = tr("Changed since the last transfer to the Rotavionix (%1, %2)").arg(file, time);
    } else {
        state = tr("Rotavionix: %1, sent at %2").arg(file, time);
    }
    if (state != text()) {
        setText(state);
        setToolTip(state);
        setAccessibleName(state);
    }
}

} // namespace rv

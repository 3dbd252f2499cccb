// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/TransferHistory.h"
#include "core/link/SerialLink.h"
#include "core/model/Setup.h"
#include "support/link_PseudoTerminal.h"
#include "ui/device/DeviceCommands.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace rv {
struct MessageTexts;
}

namespace rv::test {

// The stream written out block by block as the unit expects it, independent
// of how the program plans its blocks.
QByteArray expectedStream(const ParameterImage& image, const CurveSet& curves, bool withChannels);

// How often the regular expression pattern matches in text.
int countMatches(const QByteArray& text, const char* pattern);

// A setup of varied values within the unit's ranges, so that a byte sent in the
// wrong place shows, with removed points and a point left at -1 in its curves.
Setup distinctTransferSetup();

// One transfer's world: a pseudo-terminal named as port 1, the link, the
// commands on the setup given, and a history folder of its own.
struct TransferRig {
    TransferRig(Setup& setup, const MessageTexts& texts);

    std::unique_ptr<PseudoTerminal> pty = std::make_unique<PseudoTerminal>();
    SerialLink link;
    QTemporaryDir historyDir;
    std::unique_ptr<DeviceCommands> commands;

    QString historyFolder() const { return historyDir.filePath(QStringLiteral("sent")); }
    TransferHistoryListing history() const { return TransferHistory(historyFolder()).list(); }
};

// A command returns once its blocks are under way; this waits for its end.
void runToEnd(DeviceCommands& commands, void (DeviceCommands::*command)());

// What the terminal has read once `expected` bytes arrived and the line stayed quiet a moment.
QByteArray settle(const PseudoTerminal& pty, int expected);

} // namespace rv::test

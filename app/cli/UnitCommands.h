// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rv::cli {

struct SendOptions {
    bool withChannelTable = true;
    bool sendOutOfRange = false; // send values the unit does not expect (the window asks)
};

// The commands that talk to the unit; each returns the exit status.
// Sends a file as the window sends it after opening it: the same blocks and pauses.
int send(const QString& file, const QString& port, const SendOptions& options);
// Writes to standard output the bytes send would put on the line, with a
// line "# pause 100 ms" after each block.
int sendDryRun(const QString& file, const SendOptions& options);
// Tells the unit to keep what it received.
int store(const QString& port);

} // namespace rv::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ChannelAssignment.h"
#include "core/model/CurveSet.h"
#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"

#include <QByteArray>
#include <QList>

#include <cstdint>

namespace rv::TransferProtocol {

constexpr int BlockPauseMs = 100;
constexpr int StorePauseMs = 1000;
constexpr int ParameterEntriesLast = 58;
constexpr int FirstChannelEntry = 50;

// One block of the transfer: either P commands for some image entries or the
// eleven points of one curve; every block ends with "E" and a pause.
struct Block {
    char curveLetter = '\0'; // '\0': a block of P commands
    QList<int> entries;      // image entries of a P block, in sending order

    bool isCurve() const { return curveLetter != '\0'; }
    bool operator==(const Block&) const = default;
};

// The blocks of a transfer in order: the P blocks (entry 49 never, 50..58
// only with the channel table, a block end after 10, 20, 30, 40, 50 and at
// the end), then one block per curve in the order M T A G N R t a g n r.
QList<Block> transferPlan(bool withChannelTable);

// "P12;200"
QByteArray parameterCommand(int index, int value);
// "r3;95"; a removed point is sent as "-1".
QByteArray curveCommand(char letter, int point, int value);
// The exact text of one block, "E" included, from the image and curves as
// they are now: a curve edited during a transfer goes out with its new points
// if its block has not been sent yet. Curves are sent with gaps filled.
QByteArray blockText(const Block& block, const ParameterImage& image, const CurveSet& curves);
// The whole stream of a transfer without its pauses.
QByteArray transferText(const ParameterImage& image, const CurveSet& curves, bool withChannelTable);

// What one completed transfer put on the wire, block by block.
struct SentTransfer {
    bool withChannelTable = false;
    QList<QByteArray> blocks; // the texts of transferPlan(withChannelTable), in order
};
// True when a transfer of the same kind would now put anything else on the
// wire: the unit then holds other values than these.
bool differsFromSent(const SentTransfer& sent, const ParameterImage& image, const CurveSet& curves);

// "FE": the unit keeps what it has received.
QByteArray storeCommand();
// After a completed transfer: entries 54..58 as channel bytes of rows
// Phase..Extra2, entry 54 whatever the heli type.
void rewriteChannelEntries(ParameterImage& image, const ChannelAssignment& channels);

} // namespace rv::TransferProtocol

namespace rv {

// The command stream a transfer of the setup sends (without its pauses).
QByteArray transferStream(const Setup& setup, bool withChannelTable);

// The setup after a completed transfer: collected, and entries 54..58 taken
// from the channel rows whatever the heli type.
Setup transferredSetup(const Setup& setup);

} // namespace rv

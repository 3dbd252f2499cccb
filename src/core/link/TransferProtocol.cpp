// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/TransferProtocol.h"

namespace rv::TransferProtocol {

QList<Block> transferPlan(bool withChannelTable) {
    QList<Block> plan;
    Block current;
    for (int i = 0; i <= ParameterEntriesLast; ++i) {
        if (i == Index::NotSent) {
            continue;
        }
        if (!withChannelTable && i >= FirstChannelEntry) {
            break;
        }
        current.entries.append(i);
        if (i > 0 && i % 10 == 0) {
            plan.append(current);
            current = Block{};
        }
    }
    plan.append(current);
    for (const char letter : CurveSet::SendOrder) {
        plan.append(Block{letter, {}});
    }
    return plan;
}

QByteArray parameterCommand(int index, int value) {
    return QByteArray("P") + QByteArray::number(index) + ';' + QByteArray::number(value);
}

QByteArray curveCommand(char letter, int point, int value) {
    return QByteArray(1, letter) + QByteArray::number(point) + ';' + QByteArray::number(value);
}

QByteArray blockText(const Block& block, const ParameterImage& image, const CurveSet& curves) {
    QByteArray text;
    if (block.isCurve()) {
        const Curve send = FillCurveGaps(curves.byLetter(block.curveLetter));
        for (int p = 0; p < CurvePoints; ++p) {
            text += curveCommand(block.curveLetter, p, send[static_cast<std::size_t>(p)]);
        }
    } else {
        for (const int entry : block.entries) {
            text += parameterCommand(entry, image.at(entry));
        }
    }
    return text + 'E';
}

QByteArray transferText(const ParameterImage& image, const CurveSet& curves,
                        bool withChannelTable) {
    QByteArray text;
    for (const Block& block : transferPlan(withChannelTable)) {
        text += blockText(block, image, curves);
    }
    return text;
}

bool differsFromSent(const SentTransfer& sent, const ParameterImage& image,
                     const CurveSet& curves) {
    const QList<Block> plan = transferPlan(sent.withChannelTable);
    if (plan.size() != sent.blocks.size()) {
        return true;
    }
    for (qsizetype i = 0; i < plan.size(); ++i) {
        if (blockText(plan.at(i), image, curves) != sent.blocks.at(i)) {
            return true;
        }
    }
    return false;
}

QByteArray storeCommand() {
    return QByteArrayLiteral("FE");
}

void rewriteChannelEntries(ParameterImage& image, const ChannelAssignment& channels) {
    for (int row = ChannelAssignment::Phase; row < ChannelAssignment::Rows; ++row) {
        image.set(Index::FirstChannel + row, channels.channelByte(row));
    }
}

} // namespace rv::TransferProtocol

namespace rv {

QByteArray transferStream(const Setup& setup, bool withChannelTable) {
    return TransferProtocol::transferText(collectedImage(setup), setup.curves, withChannelTable);
}

Setup transferredSetup(const Setup& setup) {
    Setup sent = setup;
    collectImage(sent);
    TransferProtocol::rewriteChannelEntries(sent.image, sent.channels);
    return sent;
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/transfer_Rig.h"

#include "core/link/PortDevices.h"
#include "core/link/TransferProtocol.h"
#include "ui/texts/MessageTexts.h"

#include <QList>
#include <QRegularExpression>
#include <QTest>

namespace rv::test {

QByteArray expectedStream(const ParameterImage& image, const CurveSet& curves, bool withChannels) {
    QList<QList<int>> blocks;
    for (int first : {0, 11, 21, 31}) {
        QList<int> block;
        for (int i = first; i <= (first == 0 ? 10 : first + 9); ++i) {
            block.append(i);
        }
        blocks.append(block);
    }
    blocks.append({41, 42, 43, 44, 45, 46, 47, 48});
    if (withChannels) {
        blocks.last().append(50);
        blocks.append({51, 52, 53, 54, 55, 56, 57, 58});
    }
    QByteArray text;
    for (const auto& block : blocks) {
        for (int i : block) {
            text += "P" + QByteArray::number(i) + ";" + QByteArray::number(image.at(i));
        }
        text += "E";
    }
    for (char letter : QByteArrayLiteral("MTAGNRtagnr")) {
        const Curve send = FillCurveGaps(curves.byLetter(letter));
        for (int p = 0; p < 11; ++p) {
            text += letter + QByteArray::number(p) + ";" + QByteArray::number(send[p]);
        }
        text += "E";
    }
    return text;
}

int count(const QByteArray& text, const char* pattern) {
    return static_cast<int>(QString::fromLatin1(text).count(QRegularExpression(pattern)));
}

int countMatches(const QByteArray& text, const char* pattern) {
    return static_cast<int>(QString::fromLatin1(text).count(QRegularExpression(pattern)));
}

Setup distinctTransferSetup() {
    Setup set;
    for (int i = 0; i < ParameterImage::Size; ++i) {
        set.image.set(i, static_cast<std::uint8_t>((i * 37 + 5) % 256));
    }
    set.image.set(10, 7);
    // Within the unit's ranges where it has one narrower than a byte.
    const QList<std::pair<int, int>> limited{
        {2, 15},   {3, 5},  {6, 123},  {7, 150}, {13, 20}, {18, 90}, {29, 1}, {32, 1}, {35, 1},
        {36, 255}, {37, 1}, {38, 100}, {39, 60}, {40, 1},  {41, 1},  {42, 2}, {48, 1}};
    for (const auto& [index, value] : limited) {
        set.image.set(index, static_cast<std::uint8_t>(value));
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        set.image.set(Index::FirstChannel + row, channelByte(row % 2 == 1, 9 - row));
    }
    int letterNo = 0;
    for (char letter : CurveSet::SendOrder) {
        Curve& curve = set.curves.byLetter(letter);
        for (int p = 0; p < 11; ++p) {
            curve[p] = static_cast<std::int16_t>((letterNo * 13 + p * 17) % 201);
        }
        ++letterNo;
    }
    // A hover throttle curve with removed points, and a point left at -1.
    set.curves.byLetter('G') = Curve{0, -1, -1, 30, 40, 100, -1, -1, -1, -1, 200};
    set.curves.byLetter('T')[10] = -1;
    // The entries the window keeps in fields of their own.
    const ParameterImage& image = set.image;
    set.hoverToAcroTenths = image.at(2);
    set.acroToHoverTenths = image.at(3);
    set.hoverSpeedRpm = image.at(6) * 10;
    set.acroSpeedRpm = image.at(7) * 10;
    set.servoInverters = {image.at(35), image.at(36), image.at(37)};
    set.pitchPart = image.at(38);
    set.cyclicPart = image.at(39);
    set.speedMode = image.at(41);
    set.swashplateType = image.at(42);
    set.pitchMode = 0;
    set.channels.channel = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    set.channels.reversed[4] = true;
    return set;
}

TransferRig::TransferRig(Setup& setup, const MessageTexts& texts) {
    namePortDevice(1, pty->slavePath());
    link.setDeviceLookup(portDevice);
    commands = std::make_unique<DeviceCommands>(setup, link, texts, nullptr);
    commands->setHistoryFolder(historyFolder());
}

void runToEnd(DeviceCommands& commands, void (DeviceCommands::*command)()) {
    (commands.*command)();
    QTRY_VERIFY_WITH_TIMEOUT(!commands.isBusy(), 10000);
}

QByteArray settle(const PseudoTerminal& pty, int expected) {
    pty.waitForBytes(expected, 2000);
    QTest::qWait(30);
    return pty.received();
}

} // namespace rv::test

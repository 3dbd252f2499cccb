// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/setup_RandomRecords.h"

#include "core/format/ParameterRecord.h"
#include "core/model/ParameterImage.h"

#include <QtEndian>

using namespace rv;

namespace {
// Entries that hold an option index, with the highest index the window shows.
int highestOption(int index) {
    switch (index) {
    case Index::MainOut:
    case Index::TailBeep:
    case Index::PitchMode:
    case Index::SpeedMode:
        return 1;
    case Index::ServoMode:
    case Index::GyroReverse:
        return 2;
    default:
        return -1;
    }
}
} // namespace

int RandomRecords::byteFor(int index) {
    if (!previous_.isEmpty() && chance(30)) {
        return static_cast<quint8>(previous_.at(index));
    }
    if (const int highest = highestOption(index); highest >= 0) {
        return chance(1) ? highest + 1 + below(255 - highest) : below(highest + 1);
    }
    if (index == Index::TailSignal) {
        return (chance(1) ? 2 + below(126) : below(2)) | (chance(50) ? 0x80 : 0);
    }
    if (index >= Index::FirstChannel && index <= Index::LastChannel) {
        return (chance(1) ? 10 + below(118) : below(10)) | (chance(30) ? 0x80 : 0);
    }
    if (index >= Index::ServoReverse1 && index < Index::ServoReverse1 + 3) {
        const int usual[] = {0, 1, 255, 2};
        return usual[below(4)];
    }
    // Small values meet the re-scaling of the percent sliders, large ones the range limits.
    return chance(30) ? below(12) : below(256);
}

QByteArray RandomRecords::comment() {
    QByteArray text;
    const int length = chance(20) ? 0 : below(1000);
    while (text.size() < length) {
        const int kind = below(100);
        if (kind < 5) {
            text += "\r\n";
        } else if (kind < 7) {
            const char control = static_cast<char>(below(32));
            text += control == '\r' || control == '\n' ? '\t' : control;
        } else if (kind < 30) {
            text += static_cast<char>(0x80 + below(128));
        } else {
            text += static_cast<char>(0x20 + below(95));
        }
    }
    if (chance(5)) {
        // A line break that the comment box would make CR LF.
        const char* const lone[] = {"\r", "\n", "\r\r\n"};
        text.insert(below(static_cast<int>(text.size()) + 1), lone[below(3)]);
    }
    text.truncate(1000);
    text.append(1000 - text.size(), ' ');
    return text;
}

QByteArray RandomRecords::next() {
    QByteArray record(RecordSize, '\0');
    for (int index = 0; index < ParameterImage::Size; ++index) {
        record[index] = static_cast<char>(byteFor(index));
    }
    const auto curveBytes = [this, &record](int from, int to) {
        for (int offset = from; offset < to; offset += 2) {
            const int kind = below(100);
            const qint16 point = kind < 5    ? -1
                                 : kind < 10 ? static_cast<qint16>(random_.generate())
                                             : static_cast<qint16>(below(201));
            qToLittleEndian(point, record.data() + offset);
        }
    };
    curveBytes(RecordOffset::FirstCurves, RecordOffset::ReservedByte);
    curveBytes(RecordOffset::SecondCurves, RecordOffset::Comment);
    for (int offset = RecordOffset::ReservedByte; offset < RecordOffset::SecondCurves; ++offset) {
        record[offset] = static_cast<char>(chance(90) ? 0 : below(256));
    }
    record.replace(RecordOffset::Comment, 1000, comment());
    previous_ = record;
    if (chance(3)) {
        record.truncate(below(RecordSize)); // a file that ends early
    } else if (chance(3)) {
        record.append(QByteArray(below(20), 'x')); // bytes after the record
    }
    return record;
}

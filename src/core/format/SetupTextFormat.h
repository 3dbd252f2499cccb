// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the writer and the reader of the setup text share.
namespace rv::SetupTextFormat {

// Version 2 writes curve points as the window shows them (-100..100, the
// cyclic curves -125..125); version 1 wrote the stored values 0..200 and is
// still read.
constexpr int Version = 2;
constexpr int StoredPointsVersion = 1;
constexpr int ReservedTextLine = 32; // bytes of the reserved text per line

inline QString reservedTextKey(int offset) {
    return QStringLiteral("reserved_text_%1").arg(offset, 3, 10, QLatin1Char('0'));
}

inline QString commentKey() {
    return QStringLiteral("comment");
}

} // namespace rv::SetupTextFormat

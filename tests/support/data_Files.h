// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <utility>

namespace rv::test {

// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes the bytes to a new or emptied file; false when not all were written.
bool writeBytes(const QString& path, const QByteArray& bytes);
// The record of the neutral starting setup the program ships (data/Default.rvc).
QByteArray defaultRecord();
// The record the program's neutral setup encodes to, built once.
const QByteArray& neutralRecord();
// The record with the bytes at the given offsets replaced: {{offset, value}, ...}.
QByteArray withBytes(QByteArray record, std::initializer_list<std::pair<int, int>> bytes);

} // namespace rv::test

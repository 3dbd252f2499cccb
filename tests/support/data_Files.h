#pragma once

#include <QByteArray>
#include <QString>

namespace rv::test {

// The bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// The record of the neutral starting setup the program ships (data/Default.rvc).
QByteArray defaultRecord();

} // namespace rv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

struct termios;

namespace rv::test {

// A pseudo-terminal that stands in for the unit: the program opens the slave
// device as its serial port, and a background thread reads everything that
// arrives at the master, stamping each chunk with its arrival time.
class PseudoTerminal {
public:
    using Clock = std::chrono::steady_clock;
    struct Chunk {
        Clock::time_point at;
        QByteArray bytes;
    };

    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return master_ >= 0; }
    // The device the program opens, e.g. "/dev/pts/7".
    QString slavePath() const { return slavePath_; }

    // Everything received so far, and the chunks in order of arrival.
    QByteArray received() const;
    QList<Chunk> chunks() const;
    // Waits (without an event loop) until at least count bytes have arrived.
    bool waitForBytes(int count, int timeoutMs) const;

    // The silence in milliseconds that followed each occurrence of the byte,
    // up to the next byte that arrived (0 when more bytes came in the same
    // read); an occurrence at the very end has no pause and is left out.
    QList<double> pausesAfter(char byte) const;

    // The line settings the device has now (false when they cannot be read).
    bool lineSettings(termios& settings) const;

    // Simulates pulling the plug: the master side goes away.
    void unplug();

private:
    void readLoop();

    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the slave side alive between opens
    QString slavePath_;
    std::atomic<bool> stop_{false};
    std::thread reader_;
    mutable std::mutex mutex_;
    QList<Chunk> chunks_;
};

// A settings file of the test's own in a temporary folder, for as long as it lives.
class TemporarySettings {
public:
    TemporarySettings();
    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Points port number portNumber at device in the "Ports" group of the
// settings file (the test must have moved the settings to a temporary place).
void namePortDevice(int portNumber, const QString& device);

} // namespace rv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_PseudoTerminal.h"

#include "core/settings/SettingsStore.h"

#include <QSettings>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

namespace rv::test {

PseudoTerminal::PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        unplug();
        return;
    }
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    // Raw on both ends: what the program writes must arrive untranslated, and
    // the settings the port restores on close must not add any processing.
    termios raw{};
    tcgetattr(master_, &raw);
    cfmakeraw(&raw);
    tcsetattr(master_, TCSANOW, &raw);
    slaveKeeper_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
    if (slaveKeeper_ >= 0) {
        tcsetattr(slaveKeeper_, TCSANOW, &raw);
    }
    reader_ = std::thread([this] { readLoop(); });
}

PseudoTerminal::~PseudoTerminal() {
    unplug();
    if (slaveKeeper_ >= 0) {
        ::close(slaveKeeper_);
    }
}

void PseudoTerminal::unplug() {
    stop_ = true;
    if (reader_.joinable()) {
        reader_.join();
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

void PseudoTerminal::readLoop() {
    char buffer[4096];
    while (!stop_) {
        pollfd fd{master_, POLLIN, 0};
        if (poll(&fd, 1, 5) <= 0 || (fd.revents & POLLIN) == 0) {
            continue;
        }
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) {
            continue;
        }
        const auto now = Clock::now();
        std::lock_guard lock(mutex_);
        chunks_.append({now, QByteArray(buffer, static_cast<int>(n))});
    }
}

QByteArray PseudoTerminal::received() const {
    std::lock_guard lock(mutex_);
    QByteArray all;
    for (const Chunk& chunk : chunks_) {
        all += chunk.bytes;
    }
    return all;
}

QList<PseudoTerminal::Chunk> PseudoTerminal::chunks() const {
    std::lock_guard lock(mutex_);
    return chunks_;
}

bool PseudoTerminal::waitForBytes(int count, int timeoutMs) const {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (received().size() < count) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool PseudoTerminal::lineSettings(termios& settings) const {
    return slaveKeeper_ >= 0 && tcgetattr(slaveKeeper_, &settings) == 0;
}

TemporarySettings::TemporarySettings() {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
}

void namePortDevice(int portNumber, const QString& device) {
    const auto settings = SettingsStore::open();
    settings->setValue(QStringLiteral("Ports/Com%1").arg(portNumber), device);
    settings->sync();
}

QList<double> PseudoTerminal::pausesAfter(char byte) const {
    const QList<Chunk> all = chunks();
    QList<double> pauses;
    for (int c = 0; c < all.size(); ++c) {
        const QByteArray& bytes = all[c].bytes;
        for (int i = 0; i < bytes.size(); ++i) {
            if (bytes[i] != byte) {
                continue;
            }
            if (i + 1 < bytes.size()) {
                pauses.append(0.0);
            } else if (c + 1 < all.size()) {
                const std::chrono::duration<double, std::milli> gap = all[c + 1].at - all[c].at;
                pauses.append(gap.count());
            }
        }
    }
    return pauses;
}

} // namespace rv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/SerialLink.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QTimer>

#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace rv {

namespace {

bool isAdapter(const QString& device) {
    const QString name = device.section(QLatin1Char('/'), -1).toLower();
    return name.contains(QLatin1String("usb")) || name.contains(QLatin1String("acm"));
}

// "ttyS10" after "ttyS2": the trailing number is compared by value.
bool deviceNameLess(const QString& a, const QString& b) {
    auto split = [](const QString& s) {
        qsizetype digits = s.size();
        while (digits > 0 && s.at(digits - 1).isDigit()) {
            --digits;
        }
        return std::pair{s.left(digits), s.mid(digits)};
    };
    const auto [stemA, numberA] = split(a);
    const auto [stemB, numberB] = split(b);
    if (stemA != stemB) {
        return stemA < stemB;
    }
    if (numberA.size() != numberB.size()) {
        return numberA.size() < numberB.size();
    }
    return numberA < numberB;
}

} // namespace

SerialLink::SerialLink(QObject* parent) : QObject(parent) {
    serialPort_.setObjectName(QStringLiteral("Com1"));
    // Applied by QSerialPort at every open; never changed afterwards.
    serialPort_.setBaudRate(BaudRate);
    serialPort_.setDataBits(QSerialPort::Data8);
    serialPort_.setParity(QSerialPort::NoParity);
    serialPort_.setStopBits(QSerialPort::OneStop);
    serialPort_.setFlowControl(QSerialPort::NoFlowControl);
    serialPort_.setReadBufferSize(1024);
    // The unit never answers; anything that comes in is line noise.
    connect(&serialPort_, &QSerialPort::readyRead, this, [this] { serialPort_.readAll(); });
    connect(&serialPort_, &QSerialPort::errorOccurred, this, &SerialLink::onPortError);
}

SerialLink::~SerialLink() {
    if (state_ == State::Open) {
        // No event loop may run here; give the driver what is queued, briefly.
        serialPort_.flush();
        serialPort_.waitForBytesWritten(500);
    }
    state_ = State::Closed;
    if (serialPort_.isOpen()) {
        serialPort_.close();
    }
}

QStringList SerialLink::orderDevices(QStringList devices) {
    std::stable_sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        if (isAdapter(a) != isAdapter(b)) {
            return isAdapter(a);
        }
        return deviceNameLess(a, b);
    });
    return devices;
}

QString SerialLink::deviceForPort(int portNumber, const QString& pinnedDevice) {
    if (portNumber < FirstPort || portNumber > LastPort) {
        return {};
    }
#ifdef Q_OS_WIN
    Q_UNUSED(pinnedDevice)
    return QStringLiteral("COM%1").arg(portNumber);
#else
    if (!pinnedDevice.isEmpty()) {
        return pinnedDevice;
    }
    QStringList devices;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        devices.append(info.systemLocation());
    }
    devices = orderDevices(devices);
    return portNumber <= devices.size() ? devices.at(portNumber - 1) : QString();
#endif
}

bool SerialLink::setPortNumber(int portNumber) {
    if (state_ != State::Closed) {
        return false;
    }
    portNumber_ = portNumber;
    return true;
}

void SerialLink::setDeviceLookup(DeviceLookup lookup) {
    deviceLookup_ = std::move(lookup);
}

bool SerialLink::setDeviceName(const QString& device) {
    if (state_ != State::Closed) {
        return false;
    }
    deviceName_ = device;
    return true;
}

QString SerialLink::deviceForName(const QString& name, const DeviceLookup& deviceForNumber) {
    static const QRegularExpression comN(QStringLiteral("^com([0-9]{1,2})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comN.match(name.trimmed());
    if (!match.hasMatch()) {
        return name;
    }
    const int number = match.captured(1).toInt();
    return number >= FirstPort && number <= LastPort ? deviceForNumber(number) : QString();
}

bool SerialLink::open() {
    if (state_ != State::Closed) {
        error_ = tr("The port is in use.");
        return false;
    }
    if (serialPort_.isOpen()) {
        serialPort_.close(); // a broken link whose close was still pending
    }
    const QString device = deviceName_.isEmpty() ? deviceLookup_(portNumber_) : deviceName_;
    if (device.isEmpty()) {
        error_ = tr("No serial device found for Com%1.").arg(portNumber_);
        return false;
    }
    serialPort_.setPortName(device);
    state_ = State::Opening;
    if (!serialPort_.open(QIODevice::ReadWrite)) {
        error_ = device + QStringLiteral(": ") + openFailureText(device);
        serialPort_.clearError();
        state_ = State::Closed;
        return false;
    }
    applyModemLines();
    serialPort_.clearError();
    error_.clear();
    unsettled_ = false;
    ++session_;
    state_ = State::Open;
    return true;
}

QString SerialLink::openFailureText(const QString& device) const {
    if (serialPort_.error() != QSerialPort::PermissionError) {
        return serialPort_.errorString();
    }
    // The same error stands for a device this user may not open and for one
    // that another program holds (its lock file or exclusive mode); the advice
    // differs, so tell them apart by the device's own permissions.
#ifdef Q_OS_UNIX
    // Checked with the effective ids, as open() is.
    if (::faccessat(AT_FDCWD, QFile::encodeName(device).constData(), R_OK | W_OK, AT_EACCESS) !=
        0) {
        return tr("No permission to use the device. Join the group that owns it "
                  "(usually \"dialout\") and log in again.");
    }
#else
    Q_UNUSED(device)
#endif
    return tr("The device is in use by another program. Close that program and try again.");
}

void SerialLink::applyModemLines() {
    // A device without modem lines (a pseudo-terminal) refuses these; that is
    // not a reason to refuse the port.
    serialPort_.setDataTerminalReady(true);
    serialPort_.setRequestToSend(false);
}

bool SerialLink::write(const QString& text) {
    return write(text.toLatin1());
}

bool SerialLink::write(const QByteArray& bytes) {
    if (state_ != State::Open) {
        if (error_.isEmpty()) {
            error_ = tr("The port is not open.");
        }
        return false;
    }
    if (serialPort_.write(bytes) != bytes.size()) {
        breakLink(serialPort_.errorString(), true);
        return false;
    }
    unsettled_ = unsettled_ || !bytes.isEmpty();
    return true;
}

int SerialLink::driverQueueLength() const {
#ifdef Q_OS_UNIX
    int queued = 0;
    if (::ioctl(serialPort_.handle(), TIOCOUTQ, &queued) == 0) {
        return queued;
    }
#endif
    return 0;
}

SerialLink::DrainStep SerialLink::drainStep() {
    if (state_ != State::Open) {
        if (error_.isEmpty()) {
            error_ = tr("The port is not open.");
        }
        return DrainStep::Failed;
    }
    if (serialPort_.bytesToWrite() > 0) {
        serialPort_.flush();
        if (state_ != State::Open) {
            return DrainStep::Failed;
        }
    }
    if (serialPort_.bytesToWrite() > 0 || driverQueueLength() > 0) {
        return DrainStep::Busy;
    }
    if (unsettled_) {
        unsettled_ = false;
        return DrainStep::Settle;
    }
    return DrainStep::Drained;
}

void SerialLink::giveUpDraining() {
    breakLink(tr("The device did not take the data."), true);
}

bool SerialLink::drain() {
    const std::uint64_t mine = session_;
    const QDeadlineTimer deadline(DrainTimeoutMs);
    for (;;) {
        switch (drainStep()) {
        case DrainStep::Drained:
            return true;
        case DrainStep::Failed:
            return false;
        case DrainStep::Settle:
            keepLiveFor(FifoSettleMs);
            break;
        case DrainStep::Busy:
            if (deadline.hasExpired()) {
                giveUpDraining();
                return false;
            }
            keepLiveFor(2); // while the line catches up
            break;
        }
        if (session_ != mine) {
            // Closed and opened again meanwhile: this drain's port is gone.
            if (error_.isEmpty()) {
                error_ = tr("The port is not open.");
            }
            return false;
        }
    }
}

void SerialLink::keepLiveFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool SerialLink::close() {
    if (state_ != State::Open) {
        abort();
        return false;
    }
    const std::uint64_t mine = session_;
    const bool drained = drain();
    if (state_ == State::Open && session_ == mine) {
        state_ = State::Closed;
        serialPort_.close();
    }
    return drained;
}

void SerialLink::abort() {
    state_ = State::Closed;
    if (serialPort_.isOpen()) {
        serialPort_.close();
    }
}

void SerialLink::onPortError(QSerialPort::SerialPortError error) {
    // Failures while opening are reported by open() itself.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError ||
        state_ != State::Open) {
        return;
    }
    // Called from inside QSerialPort: close on the next turn of the event loop,
    // but count the link as closed from now on.
    breakLink(serialPort_.errorString(), false);
}

void SerialLink::breakLink(const QString& reason, bool closeNow) {
    if (state_ != State::Open) {
        return;
    }
    state_ = State::Closed;
    error_ = reason.isEmpty() ? tr("The serial link broke.") : reason;
    if (closeNow) {
        serialPort_.close();
    } else {
        const std::uint64_t broken = session_;
        QMetaObject::invokeMethod(
            this,
            [this, broken] {
                if (session_ == broken && state_ == State::Closed && serialPort_.isOpen()) {
                    serialPort_.close();
                }
            },
            Qt::QueuedConnection);
    }
    Q_EMIT failed(error_);
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class QByteArray;

namespace rv {

// The port object (objectName "Com1"): the serial link to the unit. Its line settings are
// fixed (38,400 baud, 8N1, no flow control, DTR on, RTS off); it is opened
// only while a device command runs and only ever written to.
//
// A failure while open (a write error, the device unplugged) closes the port
// at once and is reported through failed(), so that the next command finds
// the port closed and can open it again.
class SerialLink : public QObject {
    Q_OBJECT
public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 16;
    static constexpr qint32 BaudRate = 38400;
    // How long handing queued bytes to the device may take before the link
    // counts as broken; a healthy line drains a block in a few milliseconds.
    static constexpr int DrainTimeoutMs = 3000;
    // The driver reports its queue empty while a UART FIFO (16 bytes, about
    // 4.2 ms at 38,400 baud) may still be sending; drain() allows for it so
    // that a pause measured from its return is a pause on the line.
    static constexpr int FifoSettleMs = 5;

    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    // The device that port number 1..16 stands for, or "" when there is none:
    // the device a pilot pinned to it, else the system's (COMn on Windows).
    static QString deviceForPort(int portNumber, const QString& pinnedDevice = {});
    // Which device a port number opens. The link's owner knows where pilots
    // pin devices; without a lookup given, the system's list counts.
    using DeviceLookup = std::function<QString(int portNumber)>;
    void setDeviceLookup(DeviceLookup lookup);
    // System ports in the order in which port numbers count them: USB and ACM
    // adapters first, then by device name (numbers in names compared by value).
    static QStringList orderDevices(QStringList devices);

    int portNumber() const { return portNumber_; }
    // Ignored (returns false) while the port is open.
    bool setPortNumber(int portNumber);
    // A device to open instead of the port number's ("" goes back to the
    // number); ignored (returns false) while the port is open.
    bool setDeviceName(const QString& device);
    // The device named by a pilot: "Com3" (any case) is port number 3 as
    // deviceForNumber resolves it, anything else the device itself; "" for a
    // ComN without one.
    static QString deviceForName(const QString& name, const DeviceLookup& deviceForNumber);

    // Opens the device of the current port number. On failure errorString()
    // gives the reason and nothing has been opened.
    bool open();
    bool isOpen() const { return state_ == State::Open; }
    // Counts the opens; a command compares it to know the port is still its own.
    std::uint64_t session() const { return session_; }

    // Queues the text, one byte per character (Latin-1), nothing added.
    bool write(const QString& text);
    bool write(const QByteArray& bytes);
    // Returns once every queued byte has left the program, the driver's output
    // queue is empty and the line has had time to send its FIFO; the user
    // interface stays live meanwhile.
    bool drain();

    // One step of draining that never waits, for callers that keep the time
    // themselves: Busy, call again shortly; Settle, call again after
    // FifoSettleMs; Drained, the line is quiet; Failed, see errorString().
    enum class DrainStep { Busy, Settle, Drained, Failed };
    DrainStep drainStep();
    // Counts the link as broken because the device stopped taking data.
    void giveUpDraining();
    // Drains, then closes. The port is closed afterwards in any case.
    bool close();
    // Closes at once, dropping anything still queued.
    void abort();

    QString errorString() const { return error_; }

Q_SIGNALS:
    // The open port broke and has been closed; reason is the system's text.
    void failed(const QString& reason);

private:
    enum class State { Closed, Opening, Open };

    void onPortError(QSerialPort::SerialPortError error);
    void breakLink(const QString& reason, bool closeNow);
    // Why the device would not open, in words that say what to do about it.
    QString openFailureText(const QString& device) const;
    void applyModemLines();
    int driverQueueLength() const;
    static void keepLiveFor(int milliseconds);

    QSerialPort serialPort_;
    int portNumber_ = FirstPort;
    QString deviceName_;
    DeviceLookup deviceLookup_ = [](int number) { return deviceForPort(number); };
    State state_ = State::Closed;
    std::uint64_t session_ = 0;
    bool unsettled_ = false; // bytes written since the line last settled
    QString error_;
};

} // namespace rv

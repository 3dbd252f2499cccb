// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/PortDevices.h"
#include "core/link/SerialLink.h"
#include "support/link_PseudoTerminal.h"
#include "support/test_main.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace rv;
using rv::test::PseudoTerminal;

class TestSerialLink : public QObject {
    Q_OBJECT
    rv::test::TemporarySettings settings_;

private Q_SLOTS:
    void initTestCase() { QVERIFY(settings_.isValid()); }

    void systemPortsCountAdaptersFirstThenByName() {
        const QStringList found{"/dev/ttyS10",  "/dev/ttyUSB1", "/dev/ttyS2",
                                "/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyS0"};
        const QStringList expected{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                   "/dev/ttyS0",   "/dev/ttyS2",   "/dev/ttyS10"};
        QCOMPARE(SerialLink::orderDevices(found), expected);
    }

    void namedDeviceWinsAndNumbersOutsideTheListHaveNone() {
        rv::test::namePortDevice(7, "/dev/ttyRV7");
        QCOMPARE(rv::portDevice(7), QString("/dev/ttyRV7"));
        QCOMPARE(SerialLink::deviceForName("com7", rv::portDevice), QString("/dev/ttyRV7"));
        QCOMPARE(SerialLink::deviceForName("/dev/ttyRV9", rv::portDevice), QString("/dev/ttyRV9"));
        QVERIFY(rv::portDevice(0).isEmpty());
        QVERIFY(rv::portDevice(17).isEmpty());
        QVERIFY(SerialLink::deviceForName("Com17", rv::portDevice).isEmpty());
        // The link itself reads no settings: without its owner's lookup a
        // pinned device is not seen.
        SerialLink link;
        QVERIFY(link.setPortNumber(7));
        QVERIFY(!link.open());
        QVERIFY(!link.errorString().contains("ttyRV7"));
    }

    void openAppliesTheFixedLineSettings() {
        PseudoTerminal pty;
        QVERIFY(pty.isValid());
        rv::test::namePortDevice(1, pty.slavePath());
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        QVERIFY2(link.open(), qPrintable(link.errorString()));
        termios line{};
        QVERIFY(pty.lineSettings(line));
        QCOMPARE(cfgetospeed(&line), static_cast<speed_t>(B38400));
        QCOMPARE(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        QCOMPARE(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t{0});
        QCOMPARE(line.c_iflag & (IXON | IXOFF), tcflag_t{0});
        QCOMPARE(line.c_oflag & OPOST, tcflag_t{0}); // nothing translated on the way out
        QVERIFY(link.close());
    }

    void textGoesOutOneBytePerCharacterWithNothingAdded() {
        PseudoTerminal pty;
        rv::test::namePortDevice(1, pty.slavePath());
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        QVERIFY(link.open());
        QVERIFY(link.write(QString::fromUtf8("P1;2\n\r\u00e9E")));
        QVERIFY(link.close());
        QVERIFY(pty.waitForBytes(8, 2000));
        QCOMPARE(pty.received(), QByteArray("P1;2\n\r\xe9"
                                            "E"));
    }

    void closeHandsOverEveryQueuedByte() {
        PseudoTerminal pty;
        rv::test::namePortDevice(1, pty.slavePath());
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        QVERIFY(link.open());
        QByteArray bulk;
        for (int i = 0; i < 20000; ++i) {
            bulk += char('A' + i % 26);
        }
        QVERIFY(link.write(bulk));
        QVERIFY(link.close());
        QVERIFY(!link.isOpen());
        QVERIFY(pty.waitForBytes(bulk.size(), 3000));
        QCOMPARE(pty.received(), bulk);
    }

    void portNumberChangesOnlyWhileClosed() {
        PseudoTerminal pty;
        rv::test::namePortDevice(3, pty.slavePath());
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        QVERIFY(link.setPortNumber(3));
        QVERIFY(link.open());
        QVERIFY(!link.setPortNumber(5));
        QCOMPARE(link.portNumber(), 3);
        QVERIFY(!link.open()); // already held
        QVERIFY(link.isOpen());
        QVERIFY(link.close());
        QVERIFY(link.setPortNumber(5));
        QCOMPARE(link.portNumber(), 5);
    }

    void missingOrBusyDeviceIsRefusedWithTheReason() {
        rv::test::namePortDevice(2, "/dev/rv-no-such-device");
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        link.setPortNumber(2);
        QVERIFY(!link.open());
        QVERIFY(link.errorString().contains("/dev/rv-no-such-device"));
        QVERIFY(!link.isOpen());

        PseudoTerminal pty;
        rv::test::namePortDevice(2, pty.slavePath());
        QSerialPort holder(pty.slavePath());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QVERIFY(!link.open());
        // Not the advice for a missing permission: that would send the pilot
        // after group memberships while the port is simply taken.
        QVERIFY2(link.errorString().contains("in use by another program"),
                 qPrintable(link.errorString()));
        QVERIFY(!link.errorString().contains("dialout"));
        holder.close();
        QVERIFY(link.open());
        QVERIFY(link.close());
    }

    void deviceWithoutPermissionAdvisesJoiningItsGroup() {
        PseudoTerminal pty;
        rv::test::namePortDevice(3, pty.slavePath());
        const QByteArray device = QFile::encodeName(pty.slavePath());
        QVERIFY(::chmod(device.constData(), 0) == 0);
        // Root opens anything: act as an ordinary user for the open.
        const uid_t user = ::geteuid();
        if (user == 0) {
            // ... who still reads the settings that name the device.
            for (const QString& dir : {settings_.path(), settings_.filePath("VORANE")}) {
                QVERIFY(::chmod(QFile::encodeName(dir).constData(), 0755) == 0);
            }
            if (::seteuid(65534) != 0) {
                QSKIP("cannot act as an ordinary user here");
            }
        }
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        link.setPortNumber(3);
        const bool opened = link.open();
        if (user == 0) {
            QVERIFY(::seteuid(0) == 0);
        }
        QVERIFY(!opened);
        QVERIFY2(link.errorString().contains("dialout"), qPrintable(link.errorString()));
        QVERIFY(!link.errorString().contains("in use"));
    }

    void unpluggedDeviceClosesTheLinkAndANewOneOpens() {
        auto pty = std::make_unique<PseudoTerminal>();
        rv::test::namePortDevice(1, pty->slavePath());
        SerialLink link;
        link.setDeviceLookup(rv::portDevice);
        QSignalSpy failed(&link, &SerialLink::failed);
        QVERIFY(link.open());
        pty->unplug();
        QVERIFY(!(link.write(QByteArray("P0;1E")) && link.drain()));
        QVERIFY(!link.isOpen());
        QCOMPARE(failed.count(), 1);
        QVERIFY(!link.write(QByteArray("P1;1")));
        QTest::qWait(50); // repeated errors from the dead device must stay quiet
        QCOMPARE(failed.count(), 1);

        pty = std::make_unique<PseudoTerminal>();
        rv::test::namePortDevice(1, pty->slavePath());
        QVERIFY2(link.open(), qPrintable(link.errorString()));
        QVERIFY(link.write(QByteArray("FE")));
        QVERIFY(link.close());
        QVERIFY(pty->waitForBytes(2, 2000));
        QCOMPARE(pty->received(), QByteArray("FE"));
    }
};

RV_TEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"

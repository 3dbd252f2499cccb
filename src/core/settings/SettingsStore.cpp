// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

namespace rv::SettingsStore {

namespace {

QString maker() {
    return QStringLiteral("VORANE");
}
QString product() {
    return QStringLiteral("Rotavionix Control");
}
QString startupGroup() {
    return QStringLiteral("Startup");
}
QString keyOf(const QString& group, const QString& name) {
    return group + QLatin1Char('/') + name;
}

// Older versions read a value into 2,048 bytes, the terminating NUL
// included; a longer one counted as missing, and still does.
constexpr qsizetype LongestValue = 2047;

// The text of a stored value, or notFound() for anything that is not one
// plain value (an INI list, a serialised variant) or is too long.
QString textOf(const QVariant& stored) {
    switch (stored.typeId()) {
    case QMetaType::QString: {
        const QString text = stored.toString();
        return text.size() <= LongestValue ? text : notFound();
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QString::number(stored.toLongLong()); // a number an older version left
    case QMetaType::QByteArray: {
        // Binary, as older versions showed it: upper-case hex.
        const QByteArray bytes = stored.toByteArray();
        return bytes.size() <= LongestValue + 1 ? QString::fromLatin1(bytes.toHex().toUpper())
                                                : notFound();
    }
    default:
        return notFound();
    }
}

#ifdef Q_OS_WIN
// Where versions before the per-user store kept the same groups.
QVariant legacyMachineValue(const QString& key) {
    const QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, maker(), product());
    return machine.value(key);
}
#endif

} // namespace

QString notFound() {
    return QStringLiteral("Not Found");
}

QString read(const QString& group, const QString& name) {
    if (name.isEmpty()) {
        return notFound();
    }
    const auto settings = open();
    if (settings->status() != QSettings::NoError) {
        return notFound();
    }
    const QString key = keyOf(group, name);
    QVariant stored = settings->value(key);
#ifdef Q_OS_WIN
    if (!stored.isValid()) {
        stored = legacyMachineValue(key);
        const QString text = textOf(stored);
        if (stored.isValid() && text != notFound()) {
            write(group, name, text); // from now on the user's own
        }
    }
#endif
    return stored.isValid() ? textOf(stored) : notFound();
}

void write(const QString& group, const QString& name, const QString& text) {
    if (name.isEmpty()) {
        return;
    }
    const auto settings = open();
    const QString key = keyOf(group, name);
    // The program stores the same values on every start; rewriting an
    // unchanged store costs a locked, synced file write each time.
    const QVariant current = settings->value(key);
    if (current.typeId() == QMetaType::QString && current.toString() == text) {
        return;
    }
    settings->setValue(key, text);
    // On disk at once; a failure here is deliberately not reported.
    settings->sync();
}

QString read(const QString& name) {
    return read(startupGroup(), name);
}
void write(const QString& name, const QString& text) {
    write(startupGroup(), name, text);
}

QString pinnedDevice(int portNumber) {
    return open()->value(QStringLiteral("Ports/Com%1").arg(portNumber)).toString().trimmed();
}

void nameApplication() {
    QCoreApplication::setOrganizationName(maker());
    QCoreApplication::setApplicationName(product());
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(RV_VERSION_MAJOR)
                                                .arg(RV_VERSION_MINOR)
                                                .arg(RV_VERSION_PATCH));
}

std::unique_ptr<QSettings> open() {
#ifdef Q_OS_WIN
    // The registry below HKEY_CURRENT_USER, which every user may write.
    constexpr QSettings::Format format = QSettings::NativeFormat;
#else
    // An INI file on macOS as well, so that one file format serves every
    // system but Windows.
    constexpr QSettings::Format format = QSettings::IniFormat;
#endif
    auto settings = std::make_unique<QSettings>(format, QSettings::UserScope, maker(), product());
#ifdef Q_OS_WIN
    // The machine-wide key is read only by the one-time take-over in read().
    settings->setFallbacksEnabled(false);
#endif
    return settings;
}

} // namespace rv::SettingsStore

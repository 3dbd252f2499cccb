#include "files/SettingsStore.h"

#include <QCoreApplication>

#include <QSettings>
#include <QStringList>

#include <limits>

namespace rv::SettingsStore {

namespace {

// The registry reads a value into 2,048 bytes, its terminating NUL included.
constexpr qsizetype ReadBufferSize = 2048;

QStringList componentsOf(const QString& keyPath) {
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// The store behind a key path, positioned in the group that the path's last
// component names ("...\Startup\" -> "Startup"); nullptr for a root or path
// that names no key.
std::unique_ptr<QSettings> keyFor(std::uint32_t root, const QString& keyPath) {
    QStringList components = componentsOf(keyPath);
    if (root != LocalMachine || components.isEmpty()) {
        return nullptr;
    }
    const QString group = components.takeLast();
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\") +
                                                    components.join(QLatin1Char('\\')),
                                                QSettings::NativeFormat);
#else
    auto settings = open();
#endif
    settings->beginGroup(group);
    return settings;
}

// A number as the registry shows a REG_DWORD: decimal, at least three digits.
QString paddedDecimal(qlonglong number) {
    const QString digits = QString::number(number < 0 ? -number : number);
    return (number < 0 ? QStringLiteral("-") : QString()) +
           digits.rightJustified(3, QLatin1Char('0'));
}

// The text of a stored value, or notFound() for anything that is not one
// plain value (an INI list, a serialised variant) or does not fit the buffer.
QString textOf(const QVariant& stored) {
    switch (stored.typeId()) {
    case QMetaType::QString: {
        const QString text = stored.toString();
        return text.size() < ReadBufferSize ? text : notFound();
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return paddedDecimal(stored.toLongLong());
    case QMetaType::QByteArray: {
        const QByteArray bytes = stored.toByteArray();
        return bytes.size() <= ReadBufferSize ? QString::fromLatin1(bytes.toHex().toUpper())
                                              : notFound();
    }
    default:
        return notFound();
    }
}

} // namespace

QString startupKeyPath() {
    return QStringLiteral("SOFTWARE\\VORANE\\Rotavionix Control\\Startup\\");
}
QString notFound() {
    return QStringLiteral("Not Found");
}

QString ReadRegistry(std::uint32_t root, const QString& keyPath, const QString& valueName) {
    const auto key = keyFor(root, keyPath);
    if (!key || valueName.isEmpty() || key->status() != QSettings::NoError) {
        return notFound();
    }
    return textOf(key->value(valueName));
}

void WriteRegistry(std::uint32_t root, const QString& keyPath, const QString& valueName, int kind,
                   const QVariant& value) {
    const auto key = keyFor(root, keyPath);
    if (!key || valueName.isEmpty()) {
        return;
    }
    QVariant stored;
    if (kind == KindText) {
        stored = value.toString();
    } else if (kind == KindNumber) {
        bool isNumber = false;
        const qlonglong number = value.toLongLong(&isNumber);
        if (!isNumber || number < std::numeric_limits<std::int32_t>::min() ||
            number > std::numeric_limits<std::int32_t>::max()) {
            return; // not a 32-bit number: nothing is stored
        }
#ifdef Q_OS_WIN
        stored = static_cast<int>(number); // REG_DWORD
#else
        // An INI file keeps no types: store the text that every later run
        // reads back, not a number that reads differently until a restart.
        stored = QString::number(number);
#endif
    } else {
        return;
    }
    // The program stores the same values on every start; rewriting an
    // unchanged store costs a locked, synced file write each time.
    const QVariant current = key->value(valueName);
    if (current.typeId() == stored.typeId() && current == stored) {
        return;
    }
    key->setValue(valueName, stored);
    // On disk at once; a failure here is deliberately not reported.
    key->sync();
}

QString read(const QString& valueName) {
    return ReadRegistry(LocalMachine, startupKeyPath(), valueName);
}
void write(const QString& valueName, const QVariant& value) {
    WriteRegistry(LocalMachine, startupKeyPath(), valueName, KindText, value);
}
namespace {
QString maker() {
    return QStringLiteral("VORANE");
}
QString product() {
    return QStringLiteral("Rotavionix Control");
}
} // namespace

void nameApplication() {
    QCoreApplication::setOrganizationName(maker());
    QCoreApplication::setApplicationName(product());
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(RV_VERSION_MAJOR)
                                                .arg(RV_VERSION_MINOR)
                                                .arg(RV_VERSION_PATCH));
}

std::unique_ptr<QSettings> open() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, maker(),
                                       product());
}

} // namespace rv::SettingsStore

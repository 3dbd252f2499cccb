#include "files/SettingsStore.h"

#include <QSettings>

namespace rv::SettingsStore {

QString startupKeyPath() { return QStringLiteral("SOFTWARE\\VORANE\\Rotavionix Control\\Startup\\"); }
QString notFound() { return QStringLiteral("Not Found"); }

// Placeholder; the full store with its tests follows.
QString ReadRegistry(std::uint32_t, const QString&, const QString&) { return notFound(); }
void WriteRegistry(std::uint32_t, const QString&, const QString&, int, const QVariant&) {}
QString read(const QString& valueName) { return ReadRegistry(LocalMachine, startupKeyPath(), valueName); }
void write(const QString& valueName, const QVariant& value) {
    WriteRegistry(LocalMachine, startupKeyPath(), valueName, KindText, value);
}
std::unique_ptr<QSettings> open() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VORANE"),
                                       QStringLiteral("Rotavionix Control"));
}

} // namespace rv::SettingsStore

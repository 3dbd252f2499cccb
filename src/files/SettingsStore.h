#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>

class QSettings;

namespace rv {

// The three settings that outlive a run ("ComPort", "LastFile", "Language").
// On Windows they live in the registry below HKEY_LOCAL_MACHINE; elsewhere in
// the INI file QSettings(IniFormat, UserScope, "VORANE", "Rotavionix Control"),
// group "Startup". Neither operation ever fails towards its caller.
namespace SettingsStore {

constexpr std::uint32_t LocalMachine = 0x80000002u; // the registry root the program names
constexpr int KindText = 1;                         // REG_SZ
constexpr int KindNumber = 4;                       // REG_DWORD

// "SOFTWARE\VORANE\Rotavionix Control\Startup\" (with the trailing backslash).
QString startupKeyPath();
// What ReadRegistry returns for anything it cannot read.
QString notFound();

// The stored text, or exactly "Not Found" (missing, unreadable, longer than 2,047 characters).
QString ReadRegistry(std::uint32_t root, const QString& keyPath, const QString& valueName);
// Stores the value as text (kind 1) or as a 32-bit number (kind 4); failures are ignored.
void WriteRegistry(std::uint32_t root, const QString& keyPath, const QString& valueName, int kind,
                   const QVariant& value);

// Short forms for the startup key.
QString read(const QString& valueName);
void write(const QString& valueName, const QVariant& value);

// Names the running program as the maker and product the settings file, the
// data folder (the transfer history) and the version are kept under, so that
// the window and the command-line tool find the same ones.
void nameApplication();

// The QSettings object behind the store (callers use other groups of the same
// file, for example "Ports").
std::unique_ptr<QSettings> open();

} // namespace SettingsStore
} // namespace rv

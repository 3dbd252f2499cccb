// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace rv {

// The settings that outlive a run: QSettings for maker "VORANE" and product
// "Rotavionix Control". On Windows they are the user's own, below
// HKEY_CURRENT_USER\SOFTWARE\VORANE\Rotavionix Control; elsewhere the INI
// file QSettings(IniFormat, UserScope, "VORANE", "Rotavionix Control").
// Every value is kept as text. Neither reading nor writing ever fails
// towards its caller: a store that cannot be written simply forgets.
namespace SettingsStore {

// What read() returns for a value that is missing, longer than 2,047
// characters or not one plain value.
QString notFound();

// A value of a group ("Startup", "RecentFiles"), or notFound(). On Windows a
// value the user's store lacks but an older installation left below
// HKEY_LOCAL_MACHINE is taken over into the user's store on this first read.
QString read(const QString& group, const QString& name);
// Stores the text and puts it on disk at once; storing the stored text again
// writes nothing.
void write(const QString& group, const QString& name, const QString& text);

// The group "Startup": "ComPort", "LastFile", "Language".
QString read(const QString& name);
void write(const QString& name, const QString& text);

// The device a pilot pinned to port number 1..16 (group "Ports", "Com1"..
// "Com16"), or "" when that number follows the system's list.
QString pinnedDevice(int portNumber);

// Names the running program as the maker and product the settings file, the
// data folder (the transfer history) and the version are kept under, so that
// the window and the command-line tool find the same ones.
void nameApplication();

// The QSettings object behind the store.
std::unique_ptr<QSettings> open();

} // namespace SettingsStore
} // namespace rv

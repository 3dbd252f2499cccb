// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rv {

// What the window program was asked on its command line. Read before any
// application object exists, so that --help and --version need no display
// and a wrong option stops the program before it touches the settings.
struct StartupArguments {
    enum class Outcome {
        Start,     // start the window; fileToOpen, if not empty, instead of the last file
        Answer,    // print `text` on standard output and end with status 0
        Refuse,    // print `text` on standard error and end with status 2
        NoDisplay, // a start, but there is no display: print `text` on standard error, status 1
    };
    Outcome outcome = Outcome::Start;
    QString fileToOpen; // absolute, with the system's separators
    QString text;
};

// arguments: the whole command line, the program itself first.
StartupArguments readStartupArguments(const QStringList& arguments);

// For main(): the command line of the program, and a start refused when the
// session has no display. An answer or a refusal is written in the language
// of the system's locale, as the terminal speaks it; the window speaks the
// language of its settings.
StartupArguments readCommandLine(int& argc, char* argv[]);

// The command line as Qt would give it, without an application object.
QStringList commandLineArguments(int argc, char* argv[]);

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
// rotavionix-cli: the setups and the link to the unit without a window.
#include "CliSupport.h"
#include "FileCommands.h"
#include "UnitCommands.h"

#include "core/settings/ProgramLanguage.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/VersionText.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

//: The command list of --help: keep the command and option names and the "# pause 100 ms" line.
const char* const Commands = QT_TRANSLATE_NOOP(
    "rv::cli",
    "Commands:\n"
    "  show FILE                  the setup of a parameter file as text\n"
    "  diff A B                   the differences by key; exit status 1 when they differ\n"
    "  to-text FILE [-o TEXT]     the text form, to standard output or a file\n"
    "  from-text TEXT -o FILE     a parameter file from a text\n"
    "  send FILE --port PORT      send to the Rotavionix as the window does after opening FILE\n"
    "  send FILE --dry-run        the bytes send would put on the line, with a line\n"
    "                             \"# pause 100 ms\" after each block; no port needed\n"
    "  store --port PORT          tell the Rotavionix to keep what it received\n"
    "\n"
    "PORT is a device (/dev/ttyUSB0) or Com1 to Com16 as the program's settings name them.\n"
    "Exit status: 0 done, 1 diff found differences, 2 a file or the port failed\n"
    "(one line on standard error names it and the reason).");

struct Arguments {
    QString command;
    QStringList files;
    QString output;
    QString port;
    bool dryRun = false;
    rv::cli::SendOptions send;
};

int usageError(const QString& text) {
    rv::cli::note(QStringLiteral("rotavionix-cli: ") + text +
                  QCoreApplication::translate("rv::cli", " (see rotavionix-cli --help)"));
    return rv::cli::Failed;
}

int run(const Arguments& a) {
    using namespace rv::cli;
    const auto needs = [&a](int count) { return a.files.size() == count; };
    if (a.command == QLatin1String("show") && needs(1)) {
        return show(a.files.at(0));
    }
    if (a.command == QLatin1String("diff") && needs(2)) {
        return diff(a.files.at(0), a.files.at(1));
    }
    if (a.command == QLatin1String("to-text") && needs(1)) {
        return toText(a.files.at(0), a.output);
    }
    if (a.command == QLatin1String("from-text") && needs(1) && !a.output.isEmpty()) {
        return fromText(a.files.at(0), a.output);
    }
    if (a.command == QLatin1String("send") && needs(1) && a.dryRun) {
        return sendDryRun(a.files.at(0), a.send);
    }
    if (a.command == QLatin1String("send") && needs(1) && !a.port.isEmpty()) {
        return send(a.files.at(0), a.port, a.send);
    }
    if (a.command == QLatin1String("store") && needs(0) && !a.port.isEmpty()) {
        return store(a.port);
    }
    return usageError(
        a.command.isEmpty()
            ? QCoreApplication::translate("rv::cli", "no command given")
            : QCoreApplication::translate("rv::cli", "wrong use of \"%1\"").arg(a.command));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    rv::SettingsStore::nameApplication();
    // Messages in the user's language; the text form, the dry run and diff keys stay English.
    const rv::ProgramTranslation translation(rv::languageOfEnvironment());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("rv::cli",
                                    "Rotavionix Control on the command line: show, compare and "
                                    "convert parameter files, send them to the Rotavionix.") +
        QStringLiteral("\n\n") + QCoreApplication::translate("rv::cli", Commands));
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QCoreApplication::translate("rv::cli", "See Commands."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QCoreApplication::translate("rv::cli", "Write to FILE."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QCoreApplication::translate("rv::cli", "The serial port."),
                                  QStringLiteral("PORT"));
    const QCommandLineOption withoutChannels(
        QStringLiteral("without-channels"),
        QCoreApplication::translate("rv::cli",
                                    "Send without the channel table (the window's \"No\")."));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QCoreApplication::translate("rv::cli", "Show what send would send; open no port."));
    const QCommandLineOption outOfRange(
        QStringLiteral("send-out-of-range"),
        QCoreApplication::translate(
            "rv::cli", "Send values the Rotavionix does not expect (the window asks first)."));
    // Qt's own help and version options are not translated into every language the tool speaks.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("rv::cli", "Show this help and end."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("rv::cli", "Show the version and the licence and end."));
    parser.addOptions({output, port, withoutChannels, dryRun, outOfRange, help, version});

    if (!parser.parse(QCoreApplication::arguments())) {
        return usageError(parser.errorText());
    }
    if (parser.isSet(help)) {
        rv::cli::writeOutput(parser.helpText().toUtf8());
        return rv::cli::Done;
    }
    if (parser.isSet(version)) {
        rv::cli::writeOutput(rv::versionText(QStringLiteral("rotavionix-cli")).toUtf8());
        return rv::cli::Done;
    }
    QStringList positional = parser.positionalArguments();
    Arguments arguments;
    arguments.command = positional.isEmpty() ? QString() : positional.takeFirst();
    arguments.files = positional;
    arguments.output = parser.value(output);
    arguments.port = parser.value(port);
    arguments.dryRun = parser.isSet(dryRun);
    arguments.send.withChannelTable = !parser.isSet(withoutChannels);
    arguments.send.sendOutOfRange = parser.isSet(outOfRange);
    return run(arguments);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/StartupArguments.h"

#include "core/settings/ProgramLanguage.h"
#include "core/settings/VersionText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>

namespace rv {

namespace {

const char* const ProgramName = "rotavionix-control";

// The options Qt's GUI application takes for itself, which reach it untouched;
// those of the first list take a value.
const char* const QtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
const char* const QtFlags[] = {"reverse", "widgetcount"};

// The context of this file's texts in the translations.
struct StartupText {
    Q_DECLARE_TR_FUNCTIONS(rv::StartupArguments)
};

// Without a display Qt would abort with a platform-plugin error; the program
// says it plainly instead.
bool hasDisplay() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

StartupArguments refused(const QString& reason) {
    return {StartupArguments::Outcome::Refuse, QString(),
            QStringLiteral("%1: %2\n").arg(QLatin1String(ProgramName), reason) +
                StartupText::tr("Try \"%1 --help\".").arg(QLatin1String(ProgramName)) +
                QLatin1Char('\n')};
}

} // namespace

StartupArguments readStartupArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform xcb", as Qt's own options are written, is one option, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        StartupText::tr("Rotavionix Control: edit, keep and send the parameter sets of the "
                        "Rotavionix helicopter control unit."));
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        StartupText::tr("A parameter file (.rvc) to open instead of the file opened last."),
        QStringLiteral("[FILE]"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  StartupText::tr("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     StartupText::tr("Show the version and the licence and end."));
    parser.addOptions({help, version});
    for (const char* name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtFlags) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        return refused(parser.errorText());
    }
    if (parser.isSet(help)) {
        // Qt names the program by the path it was started with; the manual's name is shorter.
        QString text = parser.helpText();
        //: The first line of --help: keep [FILE], the name the lines below give the argument.
        text.replace(0, text.indexOf(QLatin1Char('\n')),
                     StartupText::tr("Usage: %1 [options] [FILE]").arg(QLatin1String(ProgramName)));
        return {StartupArguments::Outcome::Answer, QString(), text};
    }
    if (parser.isSet(version)) {
        return {StartupArguments::Outcome::Answer, QString(),
                versionText(QLatin1String(ProgramName))};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return refused(StartupText::tr("only one file can be opened at a time."));
    }
    if (!files.isEmpty() && files.first().isEmpty()) {
        return refused(StartupText::tr("the file name is empty."));
    }
    StartupArguments start;
    if (!files.isEmpty()) {
        // Kept as "LastFile", it must still name the file when the next start is elsewhere.
        start.fileToOpen = QDir::toNativeSeparators(QFileInfo(files.first()).absoluteFilePath());
    }
    return start;
}

StartupArguments readCommandLine(int& argc, char* argv[]) {
    const QStringList arguments = commandLineArguments(argc, argv);
    StartupArguments read = readStartupArguments(arguments);
    if (read.outcome == StartupArguments::Outcome::Start && hasDisplay()) {
        return read; // the window makes its own application object and speaks its own language
    }
    // Qt translates only within an application object; one without a display will do.
    const QCoreApplication application(argc, argv);
    const ProgramTranslation translation(languageOfEnvironment());
    read = readStartupArguments(arguments);
    if (read.outcome == StartupArguments::Outcome::Start) {
        read.outcome = StartupArguments::Outcome::NoDisplay;
        read.text =
            StartupText::tr("Rotavionix Control needs a graphical desktop, and this session "
                            "has no display (neither DISPLAY nor WAYLAND_DISPLAY is set).") +
            QLatin1Char('\n');
    }
    return read;
}

QStringList commandLineArguments(int argc, char* argv[]) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    return arguments;
}

} // namespace rv

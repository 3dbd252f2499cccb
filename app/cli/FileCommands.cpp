// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCommands.h"

#include "CliSupport.h"

#include "core/format/SetupDifference.h"
#include "core/format/SetupRecord.h"
#include "core/format/SetupText.h"
#include "core/model/ParameterImage.h"

#include <QStringList>

namespace rv::cli {

int show(const QString& file) {
    return toText(file, QString());
}

int diff(const QString& before, const QString& after) {
    const std::optional<QByteArray> a = readShownRecord(before);
    if (!a) {
        return Failed;
    }
    const std::optional<QByteArray> b = readShownRecord(after);
    if (!b) {
        return Failed;
    }
    const QStringList lines = differenceLines(recordDifferences(*a, *b));
    if (lines.isEmpty()) {
        return Done;
    }
    writeOutput((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return Different;
}

int toText(const QString& file, const QString& output) {
    if (!output.isEmpty() && !isOtherThanInput(output, file)) {
        return Failed;
    }
    QString refusal;
    const std::optional<QByteArray> record = readRecord(file, refusal);
    if (!record) {
        return Failed;
    }
    // A file the window refuses is still shown, its odd bytes as "(byte N)",
    // so that a pilot can see what it holds; the status still says no.
    const QByteArray text = setupText(*record);
    if (output.isEmpty()) {
        if (!writeOutput(text)) {
            return outputFailed();
        }
    } else if (!writeFileSafely(output, text)) {
        return Failed;
    }
    return refusal.isEmpty() ? Done : fail(file, refusal);
}

int fromText(const QString& text, const QString& output) {
    if (!isOtherThanInput(output, text)) {
        return Failed;
    }
    QByteArray bytes;
    QString reason;
    if (!readSetupTextFile(text, bytes, &reason)) {
        return fail(text, reason);
    }
    const auto read = recordFromSetupText(bytes);
    if (const auto* errors = std::get_if<std::vector<SetupTextError>>(&read)) {
        QStringList lines;
        for (const SetupTextError& error : *errors) {
            lines << error.toString();
        }
        return fail(text, lines.join(QStringLiteral("; ")));
    }
    const QByteArray& record = std::get<QByteArray>(read);
    // The window would refuse the file this text makes: so is the text.
    const auto loaded = applyRecord(Setup{}, record);
    if (const auto* refusal = std::get_if<Refusal>(&loaded)) {
        return fail(text, refusal->detail());
    }
    return writeFileSafely(output, record) ? Done : Failed;
}

} // namespace rv::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/SetupText.h"

#include "core/format/SetupTextFormat.h"

#include "core/format/ParameterFile.h"
#include "core/format/ParameterRecord.h"
#include "core/model/CurveGeometry.h"
#include "core/model/SettingCatalog.h"
#include "core/model/Setup.h"

#include <QCoreApplication>

#include <array>

namespace rv {

namespace {

constexpr int KeyWidth = 26;
using namespace SetupTextFormat;

constexpr std::array<const char*, 6> CurveNames{"throttle", "tail",         "pitch",
                                                "throttle", "cyclic_pitch", "roll"};

} // namespace

QString curveKey(int phase, int curveIndex) {
    return QStringLiteral("curve_%1_%2_%3")
        .arg(phase == Hover ? QStringLiteral("hover") : QStringLiteral("acro"))
        .arg(curveIndex)
        .arg(QLatin1String(CurveNames.at(static_cast<std::size_t>(curveIndex))));
}

QString imageEntryKey(int index) {
    return QStringLiteral("entry_%1").arg(index, 2, 10, QLatin1Char('0'));
}

namespace {

QString hexByte(std::uint8_t byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

// --- Writing

class TextWriter {
public:
    void line(const QString& key, const QString& value) {
        QString text = key.leftJustified(KeyWidth) + QStringLiteral(" =");
        if (!value.isEmpty()) {
            text += QLatin1Char(' ') + value;
        }
        text_ += text.toUtf8() + '\n';
    }
    void comment(const char* text) { text_ += QByteArray("# ") + text + '\n'; }
    void blank() { text_ += '\n'; }
    QByteArray text() const { return text_; }

private:
    QByteArray text_;
};

} // namespace

QString curvePointsText(const Curve& curve, int curveIndex) {
    const double scale = CurveSet::scaleOf(curveIndex);
    QStringList points;
    for (std::int16_t point : curve) {
        points << (point == RemovedPoint
                       ? QStringLiteral("-")
                       : QString::number(CurveGeometry::shownValue(point, scale)));
    }
    return points.join(QLatin1Char(' '));
}

namespace {

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// One line of the comment: backslash escapes for what a text line cannot
// hold or an editor would change (a trailing blank).
QString escapedCommentLine(const QString& line) {
    QString escaped;
    const QList<uint> codePoints = line.toUcs4();
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints.at(i);
        if (c == U'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == U'\r') {
            escaped += QStringLiteral("\\r");
        } else if (c == U'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == U'\t') {
            escaped += QStringLiteral("\\t");
        } else if (isControl(c) || (c == U' ' && i == codePoints.size() - 1)) {
            escaped += QStringLiteral("\\x") + hexByte(static_cast<std::uint8_t>(c));
        } else {
            escaped += QString::fromUcs4(&c, 1);
        }
    }
    return escaped;
}

} // namespace

QString escapedComment(const QString& text) {
    return escapedCommentLine(text);
}

QString hexByteText(std::uint8_t byte) {
    return QStringLiteral("0x") + hexByte(byte);
}

QString SetupTextError::toString() const {
    return line == 0
               ? message
               : QCoreApplication::translate("rv::SetupText", "Line %1: %2").arg(line).arg(message);
}

QByteArray setupText(const QByteArray& record) {
    Setup fields;
    decodeRecord(record, fields);
    TextWriter out;
    out.comment("Rotavionix setup as text: one setting a line, \"key = value\".");
    out.line(QStringLiteral("version"), QString::number(Version));
    out.blank();
    for (const SettingEntry& setting : settingCatalog()) {
        out.line(QLatin1String(setting.key), exactValue(setting, fields.image));
    }
    out.blank();
    out.comment("Curves: eleven points each as the window shows them, -100 to 100 (cyclic pitch");
    out.comment("and roll -125 to 125), - for a removed point.");
    for (int phase : {Hover, Acro}) {
        for (int curveIndex = 0; curveIndex < 6; ++curveIndex) {
            if (const Curve* curve = fields.curves.at(phase, curveIndex)) {
                out.line(curveKey(phase, curveIndex), curvePointsText(*curve, curveIndex));
            }
        }
    }
    out.blank();
    for (const QString& line :
         commentTextFromField(fields.storedComment).split(QStringLiteral("\r\n"))) {
        out.line(commentKey(), escapedCommentLine(line));
    }
    out.blank();
    out.comment("Bytes no setting stands for, in hex.");
    for (int index = 0; index < ParameterImage::Size; ++index) {
        if (const std::uint8_t unshown = unshownBits(index); unshown != 0) {
            out.line(imageEntryKey(index), hexByteText(fields.image.at(index) & unshown));
        }
    }
    out.line(QStringLiteral("reserved_byte"), hexByteText(fields.reservedByte));
    for (int offset = 0; offset < Setup::ReservedTextSize; offset += ReservedTextLine) {
        QStringList bytes;
        for (int i = offset; i < offset + ReservedTextLine; ++i) {
            bytes << hexByte(static_cast<std::uint8_t>(fields.reservedText.at(i)));
        }
        out.line(reservedTextKey(offset), bytes.join(QLatin1Char(' ')));
    }
    return out.text();
}

bool readSetupTextFile(const QString& path, QByteArray& text, QString* reason) {
    QByteArray bytes;
    if (!readRegularFile(path, MaxSetupTextSize + 1, bytes, reason)) {
        return false;
    }
    if (bytes.size() > MaxSetupTextSize) {
        if (reason != nullptr) {
            *reason = QCoreApplication::translate("rv::SetupText",
                                                  "The file is too large for a setup text.");
        }
        return false;
    }
    text = bytes;
    return true;
}

} // namespace rv

#include "ui/RangeWarning.h"

#include "model/CurveGeometry.h"
#include "ui/TextTable.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace rv {

namespace {

// A long list would push the buttons off the screen.
constexpr int MaxListed = 12;

QString tr(const char* text) {
    return QCoreApplication::translate("rv::RangeWarning", text);
}

QString shownValue(const OutOfRangeValue& value) {
    switch (value.shown) {
    case ShownAs::Tenths:
        return QLocale().toString(value.value / 10.0, 'f', 1);
    case ShownAs::TimesTen:
        return QString::number(value.value * 10);
    case ShownAs::PercentPosition:
        return QString::number(PercentScale::toPosition(value.value));
    case ShownAs::CurvePoint:
        return QString::number(
            CurveGeometry::shownValue(value.value, CurveSet::scaleOf(value.curveIndex)));
    case ShownAs::Byte:
        break;
    }
    return QString::number(value.value);
}

QString describe(const OutOfRangeValue& value, int language) {
    QStringList caption;
    for (const CaptionPart& part : value.caption) {
        if (part.target != nullptr) {
            caption << captionOf(part, language);
        }
    }
    const QString name = caption.join(QLatin1Char(' '));
    if (value.point >= 0) {
        return tr("%1, point %2: %3").arg(name).arg(value.point + 1).arg(shownValue(value));
    }
    return tr("%1: %2").arg(name, shownValue(value));
}

} // namespace

QString outOfRangeQuestion(const QList<OutOfRangeValue>& values, int language) {
    QStringList lines;
    for (const OutOfRangeValue& value : values) {
        if (lines.size() == MaxListed) {
            lines << tr("... and %1 more").arg(values.size() - MaxListed);
            break;
        }
        lines << describe(value, language);
    }
    return tr("These values lie outside what the Rotavionix expects:") + QStringLiteral("\n\n") +
           lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + tr("Send them anyway?");
}

} // namespace rv

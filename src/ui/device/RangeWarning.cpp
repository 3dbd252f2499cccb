// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/device/RangeWarning.h"

#include "core/model/CurveGeometry.h"
#include "core/model/SetupRangeCheck.h"
#include "ui/texts/SettingCaptions.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace rv {

namespace {

// A long list would push the buttons off the screen.
constexpr int MaxListed = 12;

// The context of this file's texts in the translations.
struct RangeWarning {
    Q_DECLARE_TR_FUNCTIONS(rv::RangeWarning)
};

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

QString describe(const OutOfRangeValue& value) {
    const QString name = value.setting != nullptr
                             ? settingCaption(*value.setting)
                             : plainCaption(SettingCaptions::phase(value.phase)) +
                                   QLatin1Char(' ') +
                                   plainCaption(SettingCaptions::curve(value.curveIndex));
    if (value.point >= 0) {
        return RangeWarning::tr("%1, point %2: %3")
            .arg(name)
            .arg(value.point + 1)
            .arg(shownValue(value));
    }
    return RangeWarning::tr("%1: %2").arg(name, shownValue(value));
}

} // namespace

QString outOfRangeQuestion(const QList<OutOfRangeValue>& values) {
    QStringList lines;
    for (const OutOfRangeValue& value : values) {
        if (lines.size() == MaxListed) {
            lines << RangeWarning::tr("... and %n more", nullptr,
                                      static_cast<int>(values.size()) - MaxListed);
            break;
        }
        lines << describe(value);
    }
    return RangeWarning::tr("These values lie outside what the Rotavionix expects:") +
           QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
           RangeWarning::tr("Send them anyway?");
}

} // namespace rv

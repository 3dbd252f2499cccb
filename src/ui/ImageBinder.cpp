#include "ui/ImageBinder.h"

#include "files/ParameterRecord.h"
#include "model/Setup.h"
#include "ui/ChannelPage.h"
#include "ui/GeneralPage.h"
#include "ui/GovernorSpeedRows.h"
#include "ui/LimitedTextEdit.h"
#include "ui/OptionGroup.h"
#include "ui/PortSelection.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSlider>
#include <QWidget>

namespace rv {

ImageBinder::ImageBinder(Setup& set, QWidget* window, GeneralPage& general,
                         GovernorSpeedRows& speeds, ChannelPage& channels, QObject* parent)
    : QObject(parent), set_(set), window_(window), general_(general), speeds_(speeds),
      channels_(channels) {}

template <typename T> T* ImageBinder::control(const QString& name) const {
    // The window's controls never change after start-up: look them up once.
    if (controls_.isEmpty()) {
        for (QObject* object : window_->findChildren<QObject*>()) {
            if (!object->objectName().isEmpty() && !controls_.contains(object->objectName())) {
                controls_.insert(object->objectName(), object);
            }
        }
    }
    T* found = qobject_cast<T*>(controls_.value(name));
    Q_ASSERT_X(found != nullptr, "ImageBinder", qPrintable(name));
    return found;
}

void ImageBinder::setSlider(const char* name, int position) const {
    // The slider limits a position outside its range to the nearest end. When
    // it already stood there its handler would not run and the out-of-range
    // byte would reach the unit although the window shows the limit: run it.
    auto* slider = control<QSlider>(QString::fromLatin1(name));
    const int before = slider->value();
    slider->setValue(position);
    if (slider->value() != position && slider->value() == before) {
        Q_EMIT slider->valueChanged(before);
    }
}

void ImageBinder::setPercentSlider(int index, int byte) const {
    setSlider(qPrintable(QStringLiteral("Para%1Sl").arg(index)), PercentScale::toPosition(byte));
}

void ImageBinder::selectOption(const char* group, int index) const {
    control<QAbstractButton>(QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index))
        ->setChecked(true);
}

void ImageBinder::ShowCurves() {
    general_.ShowCurves();
}

bool ImageBinder::ApplyImage() {
    // The loaded bytes; the handlers rewrite set_.image as they run.
    const ParameterImage b = set_.image;
    if (firstUnshowableEntry(b)) {
        return false;
    }

    general_.applySwitchTimes(); // from the loaded bytes 2 and 3
    speeds_.applySpeeds();       // from the loaded bytes 6 and 7
    for (int i = 8; i <= 11; ++i) {
        setSlider(qPrintable(QStringLiteral("Para%1Sl").arg(i)), b.at(i) * 10);
    }
    for (int i = 13; i <= 17; ++i) {
        setPercentSlider(i, b.at(i));
    }
    setSlider("DualRateSl", b.at(18));
    for (int i : {19, 20, 21, 22, 24, 25, 26, 27, 28}) {
        setPercentSlider(i, b.at(i));
    }
    selectOption("MainOut", b.at(Index::MainOut));
    setPercentSlider(30, b.at(30));
    selectOption("HeckMode", b.at(Index::TailSignal) & 0x7F);
    selectOption("KombiMode", (b.at(Index::TailSignal) & 0x80) != 0 ? 1 : 0);
    selectOption("TailBeep", b.at(Index::TailBeep));
    setPercentSlider(33, b.at(33));
    setPercentSlider(34, b.at(34));

    set_.servoInverters[0] = b.at(35);
    set_.servoInverters[1] = b.at(36);
    set_.servoInverters[2] = b.at(37);
    set_.pitchPart = b.at(Index::PitchPart);
    set_.cyclicPart = b.at(Index::CyclPart);
    set_.pitchMode = b.at(Index::PitchMode);
    set_.speedMode = b.at(Index::DrehzahlMode);
    set_.swashplateType = b.at(Index::ServoMode);

    setPercentSlider(43, b.at(43));
    setPercentSlider(45, b.at(45));

    // 0 cleared, 1 checked, 2 the grey third state.
    const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    control<QCheckBox>(QStringLiteral("GyroInverter"))
        ->setCheckState(states[b.at(Index::GyroReverse)]);

    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        set_.channels.K[static_cast<std::size_t>(row)] =
            static_cast<std::uint8_t>(channelOf(b.at(Index::FirstChannel + row)));
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        control<QCheckBox>(QStringLiteral("Reverse_%1").arg(row))
            ->setChecked(reverseOf(b.at(Index::FirstChannel + row)));
    }
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        channels_.selectOption(row, set_.channels.K[static_cast<std::size_t>(row)]);
    }

    if (ports_ != nullptr) {
        ports_->fill();
    }

    // The heli type's handler runs even when the type stays: in RPM-controlled
    // mode it forces the throttle curve and the third swashplate type, and a
    // load must not keep a governor or 120°/90° setting just because the file
    // before was RPM controlled too.
    control<OptionGroup>(QStringLiteral("Board"))->selectAndRun(set_.pitchMode);
    selectOption("Drehzahl", set_.speedMode);
    selectOption("TSMode", set_.swashplateType);
    setSlider("PitchSl", set_.pitchPart);
    setSlider("CyclSl", set_.cyclicPart);

    // Shown whole: the box's limit counts LF as two characters, as a save
    // writes it, but what a file held must come back unchanged.
    control<LimitedTextEdit>(QStringLiteral("Comment"))
        ->showLoadedText(commentBoxTextFromField(set_.storedComment));

    control<QCheckBox>(QStringLiteral("TS1Inv"))->setChecked(set_.servoInverters[0] == 1);
    control<QCheckBox>(QStringLiteral("TS2Inv"))->setChecked(set_.servoInverters[1] == 1);
    control<QCheckBox>(QStringLiteral("TS3Inv"))->setChecked(set_.servoInverters[2] == 1);

    general_.finishLoad(); // hover phase, first curve of the heli type, curves redrawn
    set_.changed = false;
    return true;
}

} // namespace rv

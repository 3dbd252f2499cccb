// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/SliderRow.h"

#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"
#include "ui/widgets/TypedValueField.h"

#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

namespace rv {

void SliderValueLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void SliderValueLabel::setRestorable(bool restorable) {
    restorable_ = restorable;
    showRestoreTip();
}

void SliderValueLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showRestoreTip();
    }
}

// Without it the restore is a gesture nobody finds.
void SliderValueLabel::showRestoreTip() {
    setToolTip(restorable_ ? tr("Double-click: back to the value of the last load or save")
                           : QString());
}

SliderRow::SliderRow(SetupDocument& document, const SliderDefinition& definition, QWidget* parent)
    : QObject(parent), document_(document), setup_(document.setup()), definition_(definition),
      caption_(new QLabel(parent)), slider_(new QSlider(Qt::Horizontal, parent)),
      value_(new SliderValueLabel(parent)) {
    const SliderRowNames& names = sliderRowNames(definition);
    setObjectName(QLatin1String(names.slider) + QLatin1String("Row"));
    caption_->setObjectName(QLatin1String(names.caption));
    slider_->setObjectName(QLatin1String(names.slider));
    value_->setObjectName(QLatin1String(names.valueLabel));

    slider_->setRange(definition.minimum, definition.maximum);
    slider_->setSingleStep(definition.singleStep);
    slider_->setPageStep(definition.pageStep);
    slider_->setFocusPolicy(Qt::StrongFocus);
    slider_->setMinimumWidth(100);
    caption_->setBuddy(slider_);

    value_->setText(SliderArithmetic::labelText(definition, slider_->value()));
    value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    retranslate();

    connect(slider_, &QSlider::valueChanged, this, &SliderRow::setPosition);
    enableValueTyping(slider_);
    // The part rows only show their value; they have nothing to restore.
    if (definition.kind != SliderKind::Part) {
        connect(value_, &SliderValueLabel::doubleClicked, this, &SliderRow::restorePosition);
        value_->setRestorable(true);
    }
}

void SliderRow::setRowVisible(bool visible) {
    caption_->setVisible(visible);
    slider_->setVisible(visible);
    value_->setVisible(visible);
}

void SliderRow::retranslate() {
    caption_->setText(sliderCaption(definition_));
    QString name = caption_->text();
    name.replace(QLatin1String("&&"), QLatin1String("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    slider_->setAccessibleName(name.trimmed());
}

void SliderRow::setPosition(int position) {
    value_->setText(SliderArithmetic::labelText(definition_, position));
    document_.edit(SetupChange::Field,
                   [&](Setup& setup) { setSliderPosition(setup, definition_, position); });
}

void SliderRow::showSetup(const Setup& setup) {
    const QSignalBlocker blocker(slider_);
    slider_->setValue(sliderPosition(setup, definition_));
    value_->setText(SliderArithmetic::labelText(definition_, slider_->value()));
}

void SliderRow::restorePosition() {
    // setValue runs setPosition only when the position actually moves.
    slider_->setValue(referencePosition(setup_, definition_));
}

void SliderRow::addToGridRow(QGridLayout* grid, int row) {
    grid->addWidget(caption_, row, 0);
    grid->addWidget(slider_, row, 1);
    grid->addWidget(value_, row, 2);
}

void SliderRow::addToGridColumn(QGridLayout* grid, int column) {
    caption_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    value_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    grid->addWidget(caption_, 0, column);
    grid->addWidget(slider_, 1, column);
    grid->addWidget(value_, 2, column);
}

} // namespace rv

namespace rv {
QList<SliderRow*> createSliderRows(SetupDocument& document, SliderFrame frame, QWidget* parent) {
    QList<SliderRow*> rows;
    for (const SliderRowNames& names : sliderRowNames()) {
        if (names.frame == frame) {
            rows.append(new SliderRow(document, sliderDefinition(names), parent));
        }
    }
    return rows;
}
SliderRow* findSliderRow(const QList<SliderRow*>& rows, const SliderDefinition& definition) {
    for (SliderRow* row : rows) {
        if (&row->definition() == &definition) {
            return row;
        }
    }
    return nullptr;
}

} // namespace rv

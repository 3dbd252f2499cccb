// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/curves/CurveDisplay.h"

#include "core/model/CurveEditor.h"
#include "core/model/CurveGeometry.h"
#include "ui/curves/CurvePicture.h"
#include "ui/curves/CurvePointRow.h"
#include "ui/curves/CurveToolButton.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace rv {

namespace {
constexpr int AxisGap = 4;
}

CurveDisplay::CurveDisplay(CurveEditor& editor, QWidget* parent) : QFrame(parent), editor_(editor) {
    setObjectName(QStringLiteral("fraKurvenAnzeige"));
    setFrameShape(QFrame::NoFrame);

    title_ = addLabel("CurveTitle", QString());
    // Created in reading order, which is the Tab order: tools, picture, point fields.
    tools_ = new CurveToolButton(editor, this);
    picture_ = new CurvePicture(editor, this);
    pointRow_ = new CurvePointRow(editor, this);
    plus100_ = addLabel("Plus100", QStringLiteral("+100"));
    zero_ = addLabel("Mitte", QStringLiteral("0"));
    minus100_ = addLabel("Minus100", QStringLiteral("-100"));
    plus101_ = addLabel("Plus101", QStringLiteral("+100"));
    minus101_ = addLabel("Minus101", QStringLiteral("-100"));
    auto* arrowLeft = addLabel("ArrowLeft", QStringLiteral("<--"));
    auto* arrowRight = addLabel("ArrowRight", QStringLiteral("-->"));
    stickTravel_ = addLabel("Knüppel", QString());
    stickTravel_->setBuddy(picture_);
    curveCaption_ = addLabel("Ist", QString());
    pointReadout_ = addLabel("IstValue", QString());
    cursorCaption_ = addLabel("Soll", QString());
    cursorReadout_ = addLabel("SollValue", QString());
    retranslate();
    for (QLabel* value : {pointReadout_, cursorReadout_}) {
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-1250")));
    }

    auto* readouts = new QHBoxLayout;
    readouts->addWidget(curveCaption_);
    readouts->addWidget(pointReadout_);
    readouts->addSpacing(24);
    readouts->addWidget(cursorCaption_);
    readouts->addWidget(cursorReadout_);
    readouts->addStretch();
    readouts->addWidget(tools_);

    auto* stickAxis = new QHBoxLayout;
    stickAxis->addWidget(arrowLeft);
    stickAxis->addStretch();
    stickAxis->addWidget(stickTravel_);
    stickAxis->addStretch();
    stickAxis->addWidget(arrowRight);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_, 0, 1);
    layout->addLayout(readouts, 1, 1);
    layout->addWidget(picture_, 2, 1);
    layout->addWidget(pointRow_, 3, 1);
    layout->addLayout(stickAxis, 4, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
    // The value-axis labels are placed by hand beside the picture; this column keeps room for them.
    layout->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("-125")) +
                                         2 * AxisGap);

    picture_->installEventFilter(this);
    connect(&editor_, &CurveEditor::pictureChanged, this, &CurveDisplay::redraw);
    connect(&editor_, &CurveEditor::readoutsChanged, this, &CurveDisplay::showReadouts);
    redraw();
}

QLabel* CurveDisplay::addLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

void CurveDisplay::retranslate() {
    stickTravel_->setText(tr("Transmitter Stick Travel"));
    // The picture is named by the stick-axis caption.
    picture_->setAccessibleName(stickTravel_->text().trimmed());
    curveCaption_->setText(tr("Curve:"));
    cursorCaption_->setText(tr("Cursor:"));
}

void CurveDisplay::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void CurveDisplay::setTitle(const QString& title) {
    if (title_->text() != title) {
        title_->setText(title);
    }
}

void CurveDisplay::redraw() {
    const bool wide = editor_.curveScale() != 1.0;
    plus100_->setText(wide ? QStringLiteral("+125") : QStringLiteral("+100"));
    minus100_->setText(wide ? QStringLiteral("-125") : QStringLiteral("-100"));
    plus101_->setVisible(wide);
    minus101_->setVisible(wide);
    placeAxisLabels();
    picture_->redraw();
}

void CurveDisplay::showReadouts() {
    pointReadout_->setText(editor_.pointReadout());
    cursorReadout_->setText(editor_.cursorReadout());
}

bool CurveDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        placeAxisLabels();
    }
    return QFrame::eventFilter(watched, event);
}

void CurveDisplay::placeAxisLabels() {
    using CurveGeometry::valueY;
    const QRect picture = picture_->geometry();
    const std::pair<QLabel*, int> labels[] = {
        {plus100_, 200}, {zero_, 100}, {minus100_, 0}, {plus101_, 180}, {minus101_, 20}};
    for (const auto& [label, value] : labels) {
        label->adjustSize();
        const double y = picture.y() + picture_->toPixel({0, valueY(value)}).y();
        label->move(picture.x() - AxisGap - label->width(), qRound(y - label->height() / 2.0));
    }
}

} // namespace rv

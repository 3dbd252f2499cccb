// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QGroupBox;
class QPlainTextEdit;

namespace rv {

class CurveDisplay;
class CurveEditor;
class CurveSelectionFrame;
class FlightPhasePanel;
class SetupDocument;
struct Setup;

// Page 1 (fraAllgemein): the curve editor, the curve selection, the flight
// phases and the comment.
class GeneralPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int CommentMaxLength = 1000;

    explicit GeneralPage(SetupDocument& document, QWidget* parent = nullptr);

    // Adapts curve options, phase frame and governor frame to PitchMode and
    // speedMode and returns the editor to hover with curve 0 or 2.
    void showCurves();
    // Shows the setup's phase, curve and comment, running no handler.
    void showSetup(const Setup& setup);
    // fraSpeed on the controller page, shown only for pitch control with governor.
    void setSpeedFrame(QWidget* frame) { speedFrame_ = frame; }

    CurveEditor& curveEditor() { return *editor_; }
    CurveDisplay* curveDisplay() const { return display_; }
    CurveSelectionFrame* curveSelection() const { return selection_; }
    FlightPhasePanel* flightPhase() const { return phase_; }
    QPlainTextEdit* comment() const { return comment_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showCurveOptions(const Setup& setup);
    // The curve option's caption and, where there are phases, the phase's.
    void showCurveTitle();

    const Setup& setup_;
    CurveEditor* editor_ = nullptr;
    CurveDisplay* display_ = nullptr;
    CurveSelectionFrame* selection_ = nullptr;
    FlightPhasePanel* phase_ = nullptr;
    QGroupBox* commentFrame_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
    QPointer<QWidget> speedFrame_;
};

} // namespace rv

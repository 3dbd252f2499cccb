// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/general/GeneralPage.h"

#include "core/format/SetupRecord.h"
#include "core/model/CurveEditor.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "ui/curves/CurveDisplay.h"
#include "ui/curves/CurveSelectionFrame.h"
#include "ui/pages/general/FlightPhasePanel.h"
#include "ui/texts/SettingCaptions.h"
#include "ui/widgets/LimitedTextEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace rv {

GeneralPage::GeneralPage(SetupDocument& document, QWidget* parent)
    : QWidget(parent), setup_(document.setup()),
      editor_(new CurveEditor(document.writable(), this)) {
    setObjectName(QStringLiteral("fraAllgemein"));
    display_ = new CurveDisplay(*editor_, this);
    selection_ = new CurveSelectionFrame(*editor_, this);
    phase_ = new FlightPhasePanel(document, *editor_, this);
    connect(editor_, &CurveEditor::curveEdited, &document,
            [&document] { document.noteChanged(SetupChange::Curve); });
    connect(editor_, &CurveEditor::shownCurveChanged, &document,
            [&document] { document.noteChanged(SetupChange::ShownCurve); });
    // Shown only for the pitch-controlled heli type; showCurves decides.
    phase_->hide();
    connect(editor_, &CurveEditor::pictureChanged, this, &GeneralPage::showCurveTitle);

    commentFrame_ = new QGroupBox(this);
    commentFrame_->setObjectName(QStringLiteral("fraComment"));
    comment_ = new LimitedTextEdit(CommentMaxLength, commentFrame_);
    comment_->setObjectName(QStringLiteral("Comment"));
    // Tab leaves the field, so that keyboard users can reach the rest of the page.
    comment_->setTabChangesFocus(true);
    auto* commentLayout = new QVBoxLayout(commentFrame_);
    commentLayout->addWidget(comment_);

    auto* side = new QVBoxLayout;
    side->addWidget(selection_);
    side->addWidget(phase_);
    side->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(display_, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(commentFrame_, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(1, 1);
    retranslate();
}

void GeneralPage::retranslate() {
    commentFrame_->setTitle(SettingCaptions::commentFrame());
    // The frame's caption names the box for screen readers.
    comment_->setAccessibleName(commentFrame_->title().trimmed());
    showCurveTitle();
}

void GeneralPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void GeneralPage::showSetup(const Setup& setup) {
    phase_->showSetup(setup);
    showCurveOptions(setup);
    selection_->show(setup.curveIndex);
    editor_->showSetup();
    showCurveTitle();
    const QString comment = commentBoxText(setup);
    if (comment_->toPlainText() != comment) { // keeps the cursor of a comment being typed
        const QSignalBlocker blocker(comment_);
        // Shown whole: the box's limit counts LF as two characters, as a save
        // writes it, but what a file held must come back unchanged.
        static_cast<LimitedTextEdit*>(comment_)->showLoadedText(comment);
    }
}

void GeneralPage::showCurveTitle() {
    // The captions of the curve's and the phase's options.
    QString title = SettingCaptions::curve(setup_.curveIndex).trimmed();
    if (setup_.pitchMode != 0) {
        title += QStringLiteral(", ") + SettingCaptions::phase(setup_.flightPhase).trimmed();
    }
    display_->setTitle(title);
}

void GeneralPage::showCurveOptions(const Setup& setup) {
    const bool pitchControlled = setup.pitchMode != 0;
    const bool governor = setup.speedMode == 1;
    selection_->option(0)->setVisible(!pitchControlled);
    selection_->option(2)->setVisible(pitchControlled);
    selection_->option(3)->setVisible(pitchControlled && !governor);
    phase_->setVisible(pitchControlled);
    if (speedFrame_) {
        speedFrame_->setVisible(pitchControlled && governor);
    }
}

void GeneralPage::showCurves() {
    if (setup_.pitchMode == 0) {
        selection_->option(0)->show();
        selection_->option(2)->hide();
        selection_->option(3)->hide();
        phase_->selectHover();
        phase_->hide();
        selection_->select(0);
        if (speedFrame_) {
            speedFrame_->hide();
        }
        return;
    }
    selection_->option(2)->show();
    const bool governor = setup_.speedMode == 1;
    selection_->option(3)->setVisible(!governor);
    if (speedFrame_) {
        speedFrame_->setVisible(governor);
    }
    selection_->option(0)->hide();
    phase_->selectHover();
    phase_->show();
    selection_->select(2);
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/widgets/SliderRowTable.h"

#include <QLabel>
#include <QList>
#include <QObject>

class QSlider;
class QGridLayout;

namespace rv {

class SetupDocument;
struct Setup;
struct SliderDefinition;

// The value label of a slider row; a double-click asks for the restore.
class SliderValueLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // A label whose double-click restores says so in its tooltip.
    void setRestorable(bool restorable);
Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showRestoreTip();
    bool restorable_ = false;
};

// One parameter slider with its caption and value label, created from its
// table entry. The same two handlers serve every row (sliders Para13Sl,
// DualRateSl, ..., value labels Para13L, ...).
class SliderRow : public QObject {
    Q_OBJECT
public:
    SliderRow(SetupDocument& document, const SliderDefinition& definition, QWidget* parent);

    const SliderDefinition& definition() const { return definition_; }
    QLabel* caption() const { return caption_; }
    QSlider* slider() const { return slider_; }
    SliderValueLabel* valueLabel() const { return value_; }

    // Shows or hides all three controls; position and byte stay as they are.
    void setRowVisible(bool visible);
    // The caption in the language of the installed translations; the slider
    // is named by it.
    void retranslate();

    // Shows the setup's value without writing it back.
    void showSetup(const Setup& setup);
    // Runs on every position change, by the user or by the program.
    void setPosition(int position);
    // Puts the slider back to the value of the last load or save.
    void restorePosition();

    // Places caption, slider and value label in one line of a grid.
    void addToGridRow(QGridLayout* grid, int row);
    // Places them one below the other in a column of a grid (rows side by side).
    void addToGridColumn(QGridLayout* grid, int column);

private:
    SetupDocument& document_;
    const Setup& setup_;
    const SliderDefinition& definition_;
    QLabel* caption_;
    QSlider* slider_;
    SliderValueLabel* value_;
};

} // namespace rv

namespace rv {
// Creates the rows of the table that belong to a frame, in table order, as
// children of the frame widget. The caller lays them out.
QList<SliderRow*> createSliderRows(SetupDocument& document, SliderFrame frame, QWidget* parent);
// The row of the given slider among rows, or nullptr.
SliderRow* findSliderRow(const QList<SliderRow*>& rows, const SliderDefinition& definition);

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/ChannelAssignment.h"

#include <QFrame>

#include <array>

class QCheckBox;
class QLabel;

namespace rv {

class ChannelOptionButton;

// The assignment grid fraZuordnung: one row frame of ten options per
// function, the function texts, the channel headings and the reverse boxes.
// It only shows and reports; what a selection means is decided elsewhere.
class ChannelGrid : public QFrame {
    Q_OBJECT
public:
    static constexpr int Options = ChannelAssignment::MaxChannel + 1;

    explicit ChannelGrid(QWidget* parent = nullptr);

    ChannelOptionButton* option(int row, int index) const;
    QCheckBox* reverseBox(int row) const;
    QLabel* functionLabel(int row) const;

    // Shows `index` (or no option for a negative index) without raising toggled.
    void showSelection(int row, int index);
    void setOptionsEnabled(int row, int first, int last, bool enabled);

Q_SIGNALS:
    void optionToggled(int row, int index, bool checked);
    void optionDoubleClicked(int row, int index);
    void reverseToggled(int row, bool checked);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // Names options by row text and channel, reverse boxes by row text and heading.
    void nameControls();
    // One Tab stop per row: the focused option, else the selected one, else
    // the first that can take the focus. Arrow keys move within the grid.
    void updateTabStop(int row);
    void focusChanged(QWidget* old, QWidget* now);
    void moveFocus(int row, int index, Qt::Key key);
    // The row an option belongs to, or -1.
    int rowOf(const QWidget* widget) const;

    QWidget* buildRowFrame(int row);
    QWidget* buildChannelHeadings();
    QFrame* buildReverseColumn();

    using OptionRow = std::array<ChannelOptionButton*, Options>;
    std::array<OptionRow, ChannelAssignment::Rows> options_{};
    std::array<QCheckBox*, ChannelAssignment::Rows> reverseBoxes_{};
    std::array<QLabel*, ChannelAssignment::Rows> functionLabels_{};
    std::array<QLabel*, ChannelAssignment::MaxChannel> channelHeadings_{};
    QLabel* reverseHeading_ = nullptr;
    QLabel* channelHeading_ = nullptr;
    QLabel* functionHeading_ = nullptr;
};

} // namespace rv

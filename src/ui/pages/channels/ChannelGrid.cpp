// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/channels/ChannelGrid.h"

#include "core/model/ChannelRows.h"
#include "ui/pages/channels/ChannelOptionButton.h"
#include "ui/texts/SettingCaptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace rv {

namespace {

// Every cell of a row has the same height and every channel column the same
// width, so that rows, headings and the separate reverse column line up.
constexpr int CellHeight = 24;
constexpr int ColumnWidth = 28;
constexpr int Spacing = 4;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

QString indexedName(const char* array, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}

bool takesFocus(const QWidget* widget) {
    return !widget->isHidden() && widget->isEnabled();
}

} // namespace

ChannelGrid::ChannelGrid(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraZuordnung"));
    setFrameShape(QFrame::StyledPanel);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(Spacing);

    channelHeading_ = new QLabel(this);
    channelHeading_->setObjectName(QStringLiteral("LChannel"));
    channelHeading_->setAlignment(Qt::AlignCenter);
    grid->addWidget(channelHeading_, 0, 1);

    functionHeading_ = new QLabel(this);
    functionHeading_->setObjectName(QStringLiteral("LFunction"));
    functionHeading_->setFixedHeight(CellHeight);
    grid->addWidget(functionHeading_, 1, 0);
    grid->addWidget(buildChannelHeadings(), 1, 1);

    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        auto* text = new QLabel(this);
        text->setObjectName(indexedName("Funktion", row));
        text->setFixedHeight(CellHeight);
        functionLabels_[at(row)] = text;
        grid->addWidget(text, row + 2, 0);
        grid->addWidget(buildRowFrame(row), row + 2, 1);
    }
    grid->addWidget(buildReverseColumn(), 1, 2, ChannelAssignment::Rows + 1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(ChannelAssignment::Rows + 2, 1);

    retranslate();
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        updateTabStop(row);
    }
    connect(qApp, &QApplication::focusChanged, this, &ChannelGrid::focusChanged);
}

QWidget* ChannelGrid::buildChannelHeadings() {
    auto* strip = new QWidget(this);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    for (int i = 0; i < ChannelAssignment::MaxChannel; ++i) {
        // Kanaltext(k-1) heads column k.
        auto* heading = new QLabel(QString::number(i + 1), this);
        heading->setObjectName(indexedName("Kanaltext", i));
        heading->setFixedSize(ColumnWidth, CellHeight);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        heading->setIndent(3); // over the option indicator, not the middle of the cell
        channelHeadings_[at(i)] = heading;
        layout->addWidget(heading);
    }
    layout->addStretch();
    return strip;
}

QWidget* ChannelGrid::buildRowFrame(int row) {
    const ChannelRowSpec& rowInfo = ChannelRows[at(row)];
    auto* frame = new QFrame(this);
    frame->setObjectName(QLatin1String(rowInfo.frameName));
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    for (int k = 0; k < Options; ++k) {
        auto* button = new ChannelOptionButton(frame);
        button->setObjectName(indexedName(rowInfo.optionArray, k));
        button->setFixedSize(ColumnWidth, CellHeight);
        // Option 0 stands for "no channel": selectable from code only, never shown.
        if (k == 0) {
            button->hide();
        }
        button->setEnabled(k >= rowInfo.firstChannel && k <= rowInfo.lastChannel);
        button->setClearable(rowInfo.doubleClickClears);
        options_[at(row)][at(k)] = button;
        layout->addWidget(button);
        connect(button, &QAbstractButton::toggled, this,
                [this, row, k](bool checked) { Q_EMIT optionToggled(row, k, checked); });
        connect(button, &ChannelOptionButton::doubleClicked, this,
                [this, row, k] { Q_EMIT optionDoubleClicked(row, k); });
        connect(button, &ChannelOptionButton::arrowPressed, this,
                [this, row, k](Qt::Key key) { moveFocus(row, k, key); });
    }
    layout->addStretch();
    return frame;
}

QFrame* ChannelGrid::buildReverseColumn() {
    auto* column = new QFrame(this);
    column->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    reverseHeading_ = new QLabel(column);
    reverseHeading_->setObjectName(QStringLiteral("tReverse_0"));
    reverseHeading_->setFixedHeight(CellHeight);
    layout->addWidget(reverseHeading_);
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        auto* box = new QCheckBox(column);
        box->setObjectName(indexedName("Reverse", row));
        box->setFixedHeight(CellHeight);
        reverseBoxes_[at(row)] = box;
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this,
                [this, row](bool checked) { Q_EMIT reverseToggled(row, checked); });
    }
    layout->addStretch();
    return column;
}

ChannelOptionButton* ChannelGrid::option(int row, int index) const {
    return options_.at(at(row)).at(at(index));
}

QCheckBox* ChannelGrid::reverseBox(int row) const {
    return reverseBoxes_.at(at(row));
}

QLabel* ChannelGrid::functionLabel(int row) const {
    return functionLabels_.at(at(row));
}

void ChannelGrid::showSelection(int row, int index) {
    for (int k = 0; k < Options; ++k) {
        ChannelOptionButton* button = option(row, k);
        const QSignalBlocker blocker(button);
        button->setChecked(k == index);
    }
    updateTabStop(row);
}

void ChannelGrid::setOptionsEnabled(int row, int first, int last, bool enabled) {
    for (int k = first; k <= last; ++k) {
        option(row, k)->setEnabled(enabled);
    }
    updateTabStop(row);
}

void ChannelGrid::updateTabStop(int row) {
    const OptionRow& buttons = options_.at(at(row));
    ChannelOptionButton* stop = nullptr;
    for (ChannelOptionButton* button : buttons) {
        if (button->hasFocus() && takesFocus(button)) {
            stop = button;
        }
    }
    for (ChannelOptionButton* button : buttons) {
        if (stop == nullptr && button->isChecked() && takesFocus(button)) {
            stop = button;
        }
    }
    for (ChannelOptionButton* button : buttons) {
        if (stop == nullptr && takesFocus(button)) {
            stop = button;
        }
    }
    for (ChannelOptionButton* button : buttons) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// Leaving a row hands its stop back to the selected option, where the next
// Tab into the row lands, as in any option group.
void ChannelGrid::focusChanged(QWidget* old, QWidget* now) {
    const int oldRow = rowOf(old);
    const int newRow = rowOf(now);
    if (oldRow >= 0) {
        updateTabStop(oldRow);
    }
    if (newRow >= 0 && newRow != oldRow) {
        updateTabStop(newRow);
    }
}

int ChannelGrid::rowOf(const QWidget* widget) const {
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        const OptionRow& buttons = options_.at(at(row));
        if (std::find(buttons.begin(), buttons.end(), widget) != buttons.end()) {
            return row;
        }
    }
    return -1;
}

// Left and Right go to the neighbouring option of the row, Up and Down to the
// nearest option of the row above or below; nothing wraps round, and only the
// Space key selects, so looking round the grid changes no assignment.
void ChannelGrid::moveFocus(int row, int index, Qt::Key key) {
    ChannelOptionButton* target = nullptr;
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        const int step = key == Qt::Key_Left ? -1 : 1;
        for (int k = index + step; target == nullptr && k >= 0 && k < Options; k += step) {
            if (takesFocus(option(row, k))) {
                target = option(row, k);
            }
        }
    } else {
        const int step = key == Qt::Key_Up ? -1 : 1;
        for (int r = row + step; target == nullptr && r >= 0 && r < ChannelAssignment::Rows;
             r += step) {
            int distance = Options;
            for (int k = 0; k < Options; ++k) {
                if (takesFocus(option(r, k)) && std::abs(k - index) < distance) {
                    target = option(r, k);
                    distance = std::abs(k - index);
                }
            }
        }
    }
    if (target != nullptr) {
        target->setFocus(key == Qt::Key_Left || key == Qt::Key_Up ? Qt::BacktabFocusReason
                                                                  : Qt::TabFocusReason);
    }
}

void ChannelGrid::retranslate() {
    channelHeading_->setText(SettingCaptions::channelHeading());
    functionHeading_->setText(SettingCaptions::functionHeading());
    reverseHeading_->setText(SettingCaptions::reverseHeading());
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        functionLabel(row)->setText(SettingCaptions::function(row));
    }
    nameControls();
}

void ChannelGrid::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void ChannelGrid::nameControls() {
    const QString heading = reverseHeading_->text().trimmed();
    for (int row = 0; row < ChannelAssignment::Rows; ++row) {
        QString text = functionLabel(row)->text();
        while (!text.isEmpty() && text.back().isSpace()) {
            text.chop(1);
        }
        for (int k = 0; k < Options; ++k) {
            option(row, k)->setAccessibleName(QStringLiteral("%1 %2").arg(text).arg(k));
        }
        reverseBox(row)->setAccessibleName(QStringLiteral("%1 %2").arg(text, heading));
    }
}

} // namespace rv

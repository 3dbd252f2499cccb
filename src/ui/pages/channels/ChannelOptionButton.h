// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>

namespace rv {

// One option of a channel row. The row's options are not auto-exclusive:
// the grid decides which option is shown, so that selecting from code runs the
// row handler at once and unselecting raises nothing. Assistive tools still
// meet an option button (role RadioButton), not a check box.
class ChannelOptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit ChannelOptionButton(QWidget* parent = nullptr);

    // An option of a row that a double-click clears says so in its tooltip.
    void setClearable(bool clearable);

Q_SIGNALS:
    void doubleClicked();
    // An arrow key: the grid moves the focus; the selection stays.
    void arrowPressed(Qt::Key key);

protected:
    // Clicking the selected option keeps it selected, as in any option group.
    void nextCheckState() override;
    // The second press of a double-click is not a click of its own.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Delete on the selected option does what a double-click does.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showClearTip();
    bool clearable_ = false;
};

} // namespace rv

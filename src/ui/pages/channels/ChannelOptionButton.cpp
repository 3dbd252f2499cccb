// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/channels/ChannelOptionButton.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace rv {

namespace {

// Qt reports a radio button that is not auto-exclusive as a check box; the
// grid keeps its rows exclusive itself, so the option says what it is.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) {
            names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled()) {
                button()->click(); // selects; a selected option stays selected
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* optionAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ChannelOptionButton::staticMetaObject.className())) {
        if (auto* button = qobject_cast<ChannelOptionButton*>(object)) {
            return new OptionAccessible(button);
        }
    }
    return nullptr;
}

} // namespace

ChannelOptionButton::ChannelOptionButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(false);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(optionAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ChannelOptionButton::setClearable(bool clearable) {
    clearable_ = clearable;
    showClearTip();
}

void ChannelOptionButton::changeEvent(QEvent* event) {
    QRadioButton::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showClearTip();
    }
}

void ChannelOptionButton::showClearTip() {
    setToolTip(clearable_ ? tr("Double-click or Delete: no channel for this function") : QString());
}

void ChannelOptionButton::nextCheckState() {
    if (!isChecked()) {
        setChecked(true);
    }
}

void ChannelOptionButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        // A double-click always follows a click that selected the option; when
        // that click never arrived, make up for it before clearing.
        if (!isChecked()) {
            setChecked(true);
        }
        Q_EMIT doubleClicked();
        return;
    }
    QRadioButton::mouseDoubleClickEvent(event);
}

void ChannelOptionButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && isChecked()) {
        event->accept();
        Q_EMIT doubleClicked();
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (plain) {
            event->accept();
            Q_EMIT arrowPressed(static_cast<Qt::Key>(event->key()));
            return;
        }
        break;
    default:
        break;
    }
    QRadioButton::keyPressEvent(event);
}

} // namespace rv

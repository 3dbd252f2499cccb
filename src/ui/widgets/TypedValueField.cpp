// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/TypedValueField.h"

#include "core/model/ValueEntry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSlider>
#include <QVBoxLayout>

namespace rv {

namespace {

// Opens the window's field when the slider it watches gets Enter or F2.
class ValueTypingKeys : public QObject {
public:
    ValueTypingKeys(QSlider* slider, int positionsPerUnit)
        : QObject(slider), slider_(slider), positionsPerUnit_(positionsPerUnit) {
        showHint();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == slider_ && event->type() == QEvent::LanguageChange) {
            showHint();
        }
        if (watched == slider_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
                TypedValueField::of(slider_->window())->open(slider_, positionsPerUnit_);
                return true;
            }
        }
        return false;
    }

private:
    // Without it typing a value is a gesture nobody finds.
    void showHint() {
        const QString hint =
            QCoreApplication::translate("rv::TypedValueField", "Enter or F2: type the value");
        slider_->setToolTip(hint);
        slider_->setAccessibleDescription(hint);
    }

    QSlider* slider_;
    int positionsPerUnit_;
};

} // namespace

void enableValueTyping(QSlider* slider, int positionsPerUnit) {
    slider->installEventFilter(new ValueTypingKeys(slider, positionsPerUnit));
}

TypedValueField::TypedValueField(QWidget* window)
    : QFrame(window), edit_(new QLineEdit(this)), message_(new QLabel(this)) {
    setObjectName(QStringLiteral("TypedValueFrame"));
    edit_->setObjectName(QStringLiteral("TypedValue"));
    message_->setObjectName(QStringLiteral("TypedValueMessage"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(edit_);
    layout->addWidget(message_);
    message_->hide();
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::returnPressed, this, &TypedValueField::commit);
    hide();
}

TypedValueField* TypedValueField::of(QWidget* window) {
    if (auto* field = window->findChild<TypedValueField*>(QString(), Qt::FindDirectChildrenOnly)) {
        return field;
    }
    return new TypedValueField(window);
}

QString TypedValueField::shown(double position) const {
    return QLocale().toString(position / positionsPerUnit_, 'f', QLocale::FloatingPointShortest);
}

void TypedValueField::open(QSlider* slider, int positionsPerUnit) {
    slider_ = slider;
    positionsPerUnit_ = positionsPerUnit;
    edit_->setText(shown(slider->value()));
    edit_->setAccessibleName(tr("Value of %1").arg(slider->accessibleName()));
    edit_->setToolTip(
        tr("Type a value from %1 to %2.").arg(shown(slider->minimum()), shown(slider->maximum())));
    message_->clear();
    message_->hide();
    edit_->setAccessibleDescription(QString());
    place();
    raise();
    show();
    edit_->setFocus(Qt::OtherFocusReason);
    edit_->selectAll();
}

// Over the slider, as wide as its message, and inside the window.
void TypedValueField::place() {
    adjustSize();
    const QWidget* window = parentWidget();
    QPoint topLeft = slider_->mapTo(window, QPoint(0, 0));
    topLeft.setX(qMax(0, qMin(topLeft.x(), window->width() - width())));
    topLeft.setY(qMax(0, qMin(topLeft.y(), window->height() - height())));
    move(topLeft);
}

QString TypedValueField::message() const {
    return message_->text();
}

void TypedValueField::commit() {
    if (slider_ == nullptr) {
        return;
    }
    const ValueEntry::TypedRange range{slider_->minimum(), slider_->maximum(), positionsPerUnit_};
    const auto position = ValueEntry::positionOf(edit_->text(), QLocale(), range);
    if (const int* value = std::get_if<int>(&position)) {
        QSlider* slider = slider_;
        close(true);
        slider->setValue(*value); // the row's own handler writes it, as for a move
        return;
    }
    message_->setText(std::get<ValueEntry::TypedValueFault>(position) ==
                              ValueEntry::TypedValueFault::NotANumber
                          ? tr("\"%1\" is not a number.").arg(edit_->text().trimmed())
                          : edit_->toolTip());
    message_->show();
    edit_->setAccessibleDescription(message_->text()); // read out with the field
    place();
    edit_->selectAll();
}

void TypedValueField::close(bool giveFocusBack) {
    QSlider* slider = slider_;
    slider_ = nullptr;
    hide();
    if (giveFocusBack && slider != nullptr) {
        slider->setFocus(Qt::OtherFocusReason);
    }
}

bool TypedValueField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            close(true);
            return true;
        }
        if (event->type() == QEvent::FocusOut && isVisible()) {
            close(false); // leaving the field changes nothing
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/EditUndoStack.h"

#include "core/model/SetupDocument.h"

#include <QAbstractSlider>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace rv {

namespace {

// One step: the setup before and after the edit. The first redo is the edit
// itself, already made by the control.
class SetupEditCommand : public QUndoCommand {
public:
    SetupEditCommand(EditStep step, const QWidget* mergeSource, int burst, int page,
                     EditUndoStack& owner)
        : step_(std::move(step)), mergeSource_(mergeSource), burst_(burst), page_(page),
          owner_(owner) {}

    void undo() override { owner_.apply(step_.before, page_); }
    void redo() override {
        if (done_) {
            owner_.apply(step_.after, page_);
        }
        done_ = true;
    }
    int id() const override { return mergeSource_ != nullptr ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const SetupEditCommand*>(other);
        if (next->mergeSource_ != mergeSource_ || next->burst_ != burst_) {
            return false;
        }
        step_.after = next->step_.after;
        // Keys that brought a slider back where it was leave nothing to undo.
        setObsolete(sameEdits(step_.before, step_.after));
        return true;
    }

private:
    EditStep step_;
    const QWidget* mergeSource_;
    int burst_;
    int page_;
    EditUndoStack& owner_;
    bool done_ = false;
};

bool isUndoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

} // namespace

EditUndoStack::EditUndoStack(SetupDocument& document, WindowHooks window, QObject* parent)
    : QObject(parent), document_(document), window_(std::move(window)),
      stack_(new QUndoStack(this)) {
    QCoreApplication::instance()->installEventFilter(this);
    connect(&document_, &SetupDocument::changed, this, [this] { changedSinceStep_ = true; });
}

void EditUndoStack::start() {
    stack_->clear();
    ++burst_;
    history_.start(document_.setup());
    recordPending_ = false;
    changedSinceStep_ = false;
}

void EditUndoStack::record(const QWidget* mergeSource) {
    if (!std::exchange(changedSinceStep_, false)) {
        return; // the action changed nothing
    }
    if (std::optional<EditStep> step = history_.record(document_.setup())) {
        if (!sinceLastStep_.isValid() || sinceLastStep_.elapsed() > PauseEndingBurstMs) {
            ++burst_;
        }
        sinceLastStep_.restart();
        stack_->push(new SetupEditCommand(std::move(*step), mergeSource, burst_,
                                          window_.currentPage(), *this));
    }
}

void EditUndoStack::recordNow() {
    record(nullptr);
}

void EditUndoStack::undo() {
    recordNow();
    stack_->undo();
}

void EditUndoStack::redo() {
    recordNow(); // an edit made after an undo ends the redo steps, as a new step does
    stack_->redo();
}

void EditUndoStack::apply(const Setup& snapshot, int page) {
    window_.showPage(page); // first: a page shown may choose its own curve
    document_.replace(history_.restore(document_.setup(), snapshot));
    changedSinceStep_ = false; // the history holds the setup put back
    ++burst_;                  // keys after an undo or redo are a step of their own
    window_.showSetup();
}

void EditUndoStack::takeUndoKeysFrom(QPlainTextEdit* box) {
    box->setUndoRedoEnabled(false);
    commentBox_ = box;
}

void EditUndoStack::takeUndoKeysFromFieldsIn(const QWidget* area) {
    fieldAreas_.push_back(area);
}

bool EditUndoStack::leavesUndoKeysToWindow(const QObject* watched) const {
    if (watched == commentBox_) {
        return true;
    }
    return watched->isWidgetType() &&
           std::any_of(fieldAreas_.begin(), fieldAreas_.end(), [watched](const QWidget* area) {
               return area->isAncestorOf(static_cast<const QWidget*>(watched));
           });
}

// Runs once the event that changed the setup has been handled.
void EditUndoStack::scheduleRecord(const QWidget* mergeSource) {
    if (recordPending_) {
        if (pendingSource_ != mergeSource) {
            pendingSource_ = nullptr; // two sources in one step: no merging
        }
        return;
    }
    recordPending_ = true;
    pendingSource_ = mergeSource;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (recordPending_) {
                recordPending_ = false;
                record(pendingSource_);
            }
        },
        Qt::QueuedConnection);
}

bool EditUndoStack::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (leavesUndoKeysToWindow(watched) && isUndoKey(static_cast<QKeyEvent*>(event))) {
            event->ignore(); // leaves the keys to the Edit menu
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: // a button or box given Space toggles on the release
    case QEvent::Wheel:
    case QEvent::InputMethod: {
        if (!watched->isWidgetType()) {
            break;
        }
        auto* widget = static_cast<QWidget*>(watched);
        // What the control left passes on to its parents: still the control's step.
        if (recordPending_ && pendingSource_ != nullptr && widget->isAncestorOf(pendingSource_)) {
            break;
        }
        const bool mergeable =
            qobject_cast<QAbstractSlider*>(widget) != nullptr || widget == commentBox_;
        scheduleRecord(mergeable ? widget : nullptr);
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched->isWidgetType()) {
            scheduleRecord(nullptr);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace rv

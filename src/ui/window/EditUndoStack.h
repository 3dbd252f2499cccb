// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/EditHistory.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <vector>

class QPlainTextEdit;
class QUndoStack;
class QWidget;

namespace rv {

class SetupDocument;
struct Setup;

// The window's undo and redo. The setup document reports each change; after
// each finished user action (a mouse button released, a key or the wheel
// handled) that brought one, the changes since the last step become one step
// on a QUndoStack (none when they cancel out). Consecutive key or wheel steps
// on the same slider, and the keys of a comment typing burst, merge into one
// step, as a drag is one; a pause, an undo or a redo ends the burst.
class EditUndoStack : public QObject {
    Q_OBJECT
public:
    // What the window does around an undo or a redo.
    struct WindowHooks {
        std::function<void()> showSetup;
        std::function<int()> currentPage;
        std::function<void(int)> showPage; // the page of the step, so that its undo is seen
    };
    EditUndoStack(SetupDocument& document, WindowHooks window, QObject* parent);

    QUndoStack* stack() const { return stack_; }
    // A fresh history for the setup just loaded.
    void start();
    // Records what changed since the last step, unmerged (done before each
    // undo, so that no edit slips past it).
    void recordNow();
    void undo();
    void redo();
    // The box's own undo would keep a second history: its keys go to the window's.
    void takeUndoKeysFrom(QPlainTextEdit* box);
    // Likewise for the fields inside area (curve points, the value editor):
    // their text undo would show a value the setup does not hold, and write it
    // with the next Enter or when the field loses the focus.
    void takeUndoKeysFromFieldsIn(const QWidget* area);

    // Puts a step's setup back and shows it on the step's page.
    void apply(const Setup& snapshot, int page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void record(const QWidget* mergeSource);
    void scheduleRecord(const QWidget* mergeSource);
    bool leavesUndoKeysToWindow(const QObject* watched) const;

    SetupDocument& document_;
    bool changedSinceStep_ = false; // the document reported a change not yet recorded
    WindowHooks window_;
    QUndoStack* stack_;
    EditHistory history_;
    QPlainTextEdit* commentBox_ = nullptr;
    std::vector<const QWidget*> fieldAreas_;
    static constexpr qint64 PauseEndingBurstMs = 2000;
    int burst_ = 0; // steps of one burst merge
    QElapsedTimer sinceLastStep_;
    bool recordPending_ = false;
    const QWidget* pendingSource_ = nullptr;
};

} // namespace rv

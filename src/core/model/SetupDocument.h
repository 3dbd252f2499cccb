// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/Setup.h"

#include <QObject>

#include <cstdint>
#include <functional>

namespace rv {

// What a change of the window's setup touched, so that a listener can skip
// what it does not show.
enum class SetupChange {
    Field,       // an image byte, a selection or a display behind a control
    Curve,       // the points of a curve
    Channels,    // the channel assignment or the options the channel rows show
    Comment,     // the comment box's text
    ShownCurve,  // the phase or curve the editor shows: undo keeps it with the next edit
    Bookkeeping, // a save, the file name, the unsaved mark: nothing the pilot edited
    Whole,       // another setup altogether (open, new, undo, redo)
};

// The window's setup and the one signal that it changed. Every writer goes
// through edit() or replace(), or reports with noteChanged() right after
// writing through writable(); so the undo stack and the status bar learn of
// each change once, instead of comparing setups to find out.
class SetupDocument : public QObject {
    Q_OBJECT
public:
    explicit SetupDocument(QObject* parent = nullptr) : QObject(parent) {}

    const Setup& setup() const { return setup_; }
    // For the editors that keep a reference into the setup (the curve editor,
    // the channel grid, the transfer session, which collects into it): their
    // owner reports what they changed with noteChanged().
    Setup& writable() { return setup_; }

    // Counts the changes: a listener that notes it knows whether anything
    // changed since.
    std::uint64_t revision() const { return revision_; }

    // Makes one edit and reports it.
    void edit(SetupChange what, const std::function<void(Setup&)>& change);
    void noteChanged(SetupChange what);
    // Puts another setup in place; nothing is reported when it is the one held already.
    void replace(const Setup& setup, SetupChange what = SetupChange::Whole);

Q_SIGNALS:
    void changed(SetupChange what);

private:
    Setup setup_;
    std::uint64_t revision_ = 0;
};

} // namespace rv

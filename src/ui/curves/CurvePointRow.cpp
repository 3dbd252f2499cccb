// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/curves/CurvePointRow.h"

#include "core/model/CurveEditor.h"
#include "core/model/CurveGeometry.h"
#include "ui/texts/Dialogs.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace rv {

namespace {
// Refuses, as it is typed, anything but an optional sign and up to three
// digits. A value beyond the curve's range is left for the editor to refuse
// with a message: dropping its last digit as typed would write another value.
class PointValidator : public QValidator {
public:
    explicit PointValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& /*pos*/) const override {
        const QString text = input.trimmed();
        int start = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
        for (int i = start; i < text.size(); ++i) {
            if (!text[i].isDigit() || text[i].unicode() > '9') {
                return Invalid;
            }
        }
        return text.size() > start + 3 ? Invalid : Acceptable;
    }
};

// A Ctrl+letter that is not one of the field's own editing keys: a command of
// the window (save, send, compare, print, open, quit) that reads the curve.
bool isWindowCommand(const QKeyEvent& key) {
    const bool letter = key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
    if (!letter || !key.modifiers().testFlag(Qt::ControlModifier)) {
        return false;
    }
    for (const auto own : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                           QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo}) {
        if (key.matches(own)) {
            return false;
        }
    }
    return key.key() != Qt::Key_Y; // the other redo key
}

QString messageFor(CurveEditor::PointEntry entry, const QString& typed, int limit) {
    using Entry = CurveEditor::PointEntry;
    switch (entry) {
    case Entry::NotANumber:
        return CurvePointRow::tr("\"%1\" is not a number; nothing written.").arg(typed);
    case Entry::OutOfRange:
        return CurvePointRow::tr("%1 is outside %2..%3; nothing written.")
            .arg(typed)
            .arg(-limit)
            .arg(limit);
    case Entry::NotRemovable:
        return CurvePointRow::tr("Points 0, 5 and 10 cannot be removed.");
    case Entry::Held:
        return CurvePointRow::tr("Point 0 of the hover throttle curve stays at -100.");
    default:
        return {};
    }
}
} // namespace

CurvePointRow::CurvePointRow(CurveEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    auto* validator = new PointValidator(this);
    for (int c = 0; c < Count; ++c) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("CurvePoint_%1").arg(c));
        field->setAlignment(Qt::AlignCenter);
        field->setValidator(validator);
        connect(field, &QLineEdit::editingFinished, this, [this, c] { takeTypedValue(c); });
        field->installEventFilter(this);
        fields_[static_cast<std::size_t>(c)] = field;
    }
    connect(&editor_, &CurveEditor::pictureChanged, this, &CurvePointRow::showPoints);
    nameFields();
    showPoints();
}

// A value typed but not yet confirmed is taken before a window command such
// as Ctrl+S reads the setup, as leaving the field would take it: the pilot sees
// it in the field and expects it saved or sent.
bool CurvePointRow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        isWindowCommand(*static_cast<QKeyEvent*>(event))) {
        for (int c = 0; c < Count; ++c) {
            if (field(c) == watched && field(c)->isModified()) {
                takeTypedValue(c);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CurvePointRow::nameFields() {
    for (int c = 0; c < Count; ++c) {
        field(c)->setAccessibleName(tr("Point %1").arg(c));
    }
}

void CurvePointRow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        nameFields(); // the language is chosen after the window is built
        showPoints();
    }
}

QSize CurvePointRow::sizeHint() const {
    return {Count * fontMetrics().horizontalAdvance(QStringLiteral("-125")),
            field(0)->sizeHint().height()};
}

void CurvePointRow::showPoints() {
    for (int c = 0; c < Count; ++c) {
        QLineEdit* edit = field(c);
        const QString shown = editor_.hasPoints() ? editor_.shownPoint(c) : QString();
        if (edit->hasFocus() && edit->isModified()) {
            continue; // being typed: taken or refused when the pilot confirms it
        }
        if (edit->text() != shown) {
            edit->setText(shown);
        }
        const bool held = editor_.hasPoints() && editor_.fixedPointGuard(c);
        edit->setReadOnly(!editor_.hasPoints() || held);
        // A field that takes no typing says why.
        const QString why = held ? messageFor(CurveEditor::PointEntry::Held, {}, 0) : QString();
        if (edit->toolTip() != why) {
            edit->setToolTip(why);
            edit->setAccessibleDescription(why);
        }
    }
}

void CurvePointRow::takeTypedValue(int column) {
    QLineEdit* edit = field(column);
    const QString typed = edit->text().trimmed();
    edit->setModified(false);
    const auto entry = editor_.typePoint(column, typed);
    // The field shows the point again before any message: a refused value is
    // named in the message, not left standing as if it had been taken.
    showPoints();
    const QString message = messageFor(entry, typed, editor_.shownLimit());
    if (!message.isEmpty()) {
        MessageBox::inform(this, message, QMessageBox::Warning);
    }
}

void CurvePointRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeFields();
}

// Each field sits centred under its column of the picture above, which has this row's width.
void CurvePointRow::placeFields() {
    using CurveGeometry::columnX;
    const double columnWidth = width() * 300.0 / CurveGeometry::LogicalSize;
    const int fieldWidth = std::max(8, static_cast<int>(columnWidth) - 2);
    for (int c = 0; c < Count; ++c) {
        const double centre = columnX(c) * width() / CurveGeometry::LogicalSize;
        // The outer fields stay inside the row, a little off their columns.
        const int left =
            std::clamp(qRound(centre - fieldWidth / 2.0), 0, std::max(0, width() - fieldWidth));
        field(c)->setGeometry(left, 0, fieldWidth, height());
    }
}

} // namespace rv

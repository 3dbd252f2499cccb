#include "ui/GeneralPage.h"

#include "files/ParameterRecord.h"
#include "model/CurveEditor.h"
#include "model/ParameterSet.h"
#include "ui/CurveDisplay.h"
#include "ui/CurveSelectionFrame.h"
#include "ui/FlightPhasePanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rv {

namespace {
// A plain-text field that holds at most maxLength characters. Typed, pasted,
// dropped and composed text is shortened before it reaches the document, so
// that undo and redo stay plain; text set from code is cut afterwards.
// Holds at most as much as the file's comment field: lengths are counted as
// the file stores the text, with every line break as CR LF (two characters).
class LimitedTextEdit : public QPlainTextEdit {
public:
    LimitedTextEdit(int maxLength, QWidget* parent)
        : QPlainTextEdit(parent), maxLength_(maxLength) {
        connect(document(), &QTextDocument::contentsChange, this,
                [this](int position, int, int added) { insertEnd_ = position + added; });
        connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::cutExcess);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        const bool commandKey = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        const bool lineBreak = text == QStringLiteral("\r");
        const bool inserts = !text.isEmpty() && !commandKey && (text.at(0).isPrint() || lineBreak);
        const int needed = lineBreak ? 2 : storedCommentLength(text);
        if (inserts && needed > room()) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText()) {
            return;
        }
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMimeData limited;
        limited.setText(fitting(text, room()));
        QPlainTextEdit::insertFromMimeData(&limited);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        const QString commit = event->commitString();
        if (storedCommentLength(commit) > room()) {
            QInputMethodEvent limited(event->preeditString(), event->attributes());
            limited.setCommitString(fitting(commit, room()), event->replacementStart(),
                                    event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&limited);
            return;
        }
        QPlainTextEdit::inputMethodEvent(event);
    }

private:
    // The longest start of text that takes at most room characters in the file.
    static QString fitting(const QString& text, int room) {
        qsizetype count = 0;
        for (int used = 0; count < text.size(); ++count) {
            used += storedCommentLength(text.at(count));
            if (used > room) {
                break;
            }
        }
        return text.left(count);
    }
    int length() const { return storedCommentLength(document()->toRawText()); }
    int room() const {
        return std::max(0,
                        maxLength_ - (length() - storedCommentLength(textCursor().selectedText())));
    }

    void cutExcess() {
        const int excess = length() - maxLength_;
        if (excess <= 0) {
            return;
        }
        // What does not fit is cut from the end of what was just inserted.
        // Document positions match the characters of the raw text one to one.
        const QString text = document()->toRawText();
        const auto startFor = [&text, excess](qsizetype end) {
            qsizetype start = end;
            for (int removed = 0; removed < excess && start > 0; --start) {
                removed += storedCommentLength(text.at(start - 1));
            }
            return start;
        };
        qsizetype end = std::clamp<qsizetype>(insertEnd_, 0, text.size());
        qsizetype start = startFor(end);
        if (storedCommentLength(QStringView(text).mid(start, end - start)) < excess) {
            end = text.size(); // the insertion was shorter: cut from the very end
            start = startFor(end);
        }
        QTextCursor cursor(document());
        cursor.setPosition(int(start));
        cursor.setPosition(int(end), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }

    int maxLength_;
    int insertEnd_ = 0;
};
} // namespace

GeneralPage::GeneralPage(ParameterSet& set, QWidget* parent)
    : QWidget(parent), set_(set), editor_(new CurveEditor(set, this)) {
    setObjectName(QStringLiteral("fraAllgemein"));
    display_ = new CurveDisplay(*editor_, this);
    selection_ = new CurveSelectionFrame(*editor_, this);
    phase_ = new FlightPhasePanel(set, *editor_, this);
    // Shown only for the pitch-controlled heli type; ShowCurves decides.
    phase_->hide();

    auto* fraComment = new QGroupBox(QStringLiteral("Comments: (max. 1000 characters)"), this);
    fraComment->setObjectName(QStringLiteral("fraComment"));
    // A direct child of its frame, so the frame's caption names it for screen readers.
    comment_ = new LimitedTextEdit(CommentMaxLength, fraComment);
    comment_->setObjectName(QStringLiteral("Comment"));
    // Tab leaves the field, so that keyboard users can reach the rest of the page.
    comment_->setTabChangesFocus(true);
    auto* commentLayout = new QVBoxLayout(fraComment);
    commentLayout->addWidget(comment_);

    auto* side = new QVBoxLayout;
    side->addWidget(selection_);
    side->addWidget(phase_);
    side->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(display_, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(fraComment, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(1, 1);
}

void GeneralPage::ShowCurves() {
    if (set_.PitchMode == 0) {
        selection_->option(0)->show();
        selection_->option(2)->hide();
        selection_->option(3)->hide();
        phase_->selectHover();
        phase_->hide();
        selection_->select(0);
        if (speedFrame_) {
            speedFrame_->hide();
        }
        return;
    }
    selection_->option(2)->show();
    const bool governor = set_.DrehzahlMode == 1;
    selection_->option(3)->setVisible(!governor);
    if (speedFrame_) {
        speedFrame_->setVisible(governor);
    }
    selection_->option(0)->hide();
    phase_->selectHover();
    phase_->show();
    selection_->select(2);
}

void GeneralPage::applySwitchTimes() {
    phase_->applySwitchTimes();
}

// With the phase set to acro, selecting hover takes up the freshly loaded
// hover curve before anything is written back: the previous set's buffer
// never reaches the new one.
void GeneralPage::finishLoad() {
    phase_->clearHoverOption();
    editor_->setFlightPhase(Acro);
    editor_->setCurveIndex(set_.PitchMode == 1 ? 2 : 0);
    ShowCurves();
}

void GeneralPage::collectSwitchTimes() {
    phase_->collectSwitchTimes();
}

} // namespace rv

// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo on the setup alone: random edits of every kind, with saves,
// transfers and a changing view in between, are taken back one step at a
// time, and each step back must save the very bytes a save before its edit
// saved.
#include "core/format/SetupRecord.h"
#include "core/history/EditHistory.h"
#include "core/link/TransferProtocol.h"
#include "core/model/ChannelGridLogic.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"
#include "support/setup_RandomRecords.h"
#include "support/test_main.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace rv;

namespace {

Setup loaded(const QByteArray& record) {
    return std::get<Setup>(applyRecord(Setup(), record));
}

Setup defaultSetup() {
    QFile file(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("data/Default.rvc is missing");
    }
    return loaded(file.readAll());
}

// What the pilot or the program does to the setup; the last three are no edits.
enum class Action {
    Slider,
    HeliType,
    ServoBox,
    SwitchTime,
    Speed,
    Comment,
    CurvePoint,
    Channel,
    Preset,
    ClearChannel,
    ShowOtherCurve,
    Save,
    Transfer,
    Count
};

class RandomSession {
public:
    explicit RandomSession(quint32 seed) : random_(seed) {}

    Action act(Setup& setup) {
        const auto action = static_cast<Action>(below(static_cast<int>(Action::Count)));
        ChannelGridLogic channels(setup.channels, setup.shownChannelOptions);
        switch (action) {
        case Action::Slider: {
            const auto rows = sliderDefinitions();
            const SliderDefinition& row = rows[static_cast<std::size_t>(below(int(rows.size())))];
            setSliderPosition(setup, row, row.minimum + below(row.maximum - row.minimum + 1));
            break;
        }
        case Action::HeliType:
            selectHeliType(setup, below(2));
            break;
        case Action::ServoBox:
            setServoReversed(setup, below(3), below(2) == 1);
            break;
        case Action::SwitchTime:
            setSwitchTimeOfShownPhase(setup, below(21));
            break;
        case Action::Speed:
            setGovernorSpeed(setup, below(2), 500 + below(2001));
            break;
        case Action::Comment:
            editComment(setup, QStringLiteral("line\r\n").repeated(below(3)) +
                                   QString(below(5), QLatin1Char('x')));
            break;
        case Action::CurvePoint:
            if (Curve* curve = setup.curves.at(setup.flightPhase, setup.curveIndex)) {
                curve->at(static_cast<std::size_t>(below(CurvePoints))) =
                    static_cast<std::int16_t>(below(202) - 1);
                setup.changed = true;
            }
            break;
        case Action::Channel:
            channels.selectOption(below(ChannelAssignment::Rows), 1 + below(9));
            break;
        case Action::Preset:
            channels.applyPreset(1 + below(4));
            break;
        case Action::ClearChannel: {
            const int row = ChannelAssignment::Phase + below(5);
            channels.doubleClickOption(row, channels.shownOption(row));
            break;
        }
        case Action::ShowOtherCurve:
            setup.flightPhase = below(2);
            setup.curveIndex = below(6);
            break;
        case Action::Save:
            setup = savedSetup(setup);
            break;
        case Action::Transfer:
            setup = transferredSetup(setup);
            break;
        case Action::Count:
            break;
        }
        return action;
    }

    int below(int bound) { return static_cast<int>(random_.bounded(bound)); }

private:
    QRandomGenerator random_;
};

} // namespace

class TestEditHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyStepBackSavesTheBytesSavedBeforeItsEdit() {
        RandomRecords records(7);
        for (quint32 seed = 1; seed <= 6; ++seed) {
            Setup setup = seed == 1 ? defaultSetup() : loaded(records.next());
            EditHistory history;
            history.start(setup);
            RandomSession session(seed);
            std::vector<EditStep> steps;
            std::vector<std::pair<QByteArray, QByteArray>> saves; // before and after each step
            QByteArray lastSaved = recordOf(setup);
            for (int action = 0; action < 400; ++action) {
                const QByteArray before = recordOf(setup);
                const Action done = session.act(setup);
                if (done == Action::Save) {
                    lastSaved = recordOf(setup);
                }
                if (std::optional<EditStep> step = history.record(setup)) {
                    steps.push_back(*step);
                    saves.emplace_back(before, recordOf(setup));
                } else {
                    // Saves, transfers and a curve shown are no step and change no byte.
                    QCOMPARE(recordOf(setup), before);
                }
            }
            QVERIFY2(steps.size() > 200, qPrintable(QString::number(steps.size())));

            for (std::size_t k = steps.size(); k-- > 0;) {
                setup = history.restore(setup, steps[k].before);
                QCOMPARE(recordOf(setup), saves[k].first);
                QVERIFY(sameEdits(setup, steps[k].before));
                // Unsaved bytes are never hidden from the question before a quit.
                QVERIFY(recordOf(setup) == lastSaved || hasUnsavedChanges(setup));
                if (session.below(10) == 0) { // a save half way back changes no step
                    setup = savedSetup(setup);
                    lastSaved = recordOf(setup);
                    QVERIFY(!history.record(setup));
                    QVERIFY(!hasUnsavedChanges(setup));
                }
            }
            for (std::size_t k = 0; k < steps.size(); ++k) {
                setup = history.restore(setup, steps[k].after);
                QCOMPARE(recordOf(setup), saves[k].second);
                QVERIFY(recordOf(setup) == lastSaved || hasUnsavedChanges(setup));
            }
        }
    }

    // What a save stored stays: the restore double-click's values and the
    // stored comment; the box shows the comment from before the edit again.
    void undoAfterASaveKeepsWhatTheSaveStored() {
        Setup setup = defaultSetup();
        const QByteArray original = recordOf(setup);
        const std::optional<int> originalTime = setup.hoverToAcroTenths;
        EditHistory history;
        history.start(setup);
        setSwitchTimeOfShownPhase(setup, 17);
        editComment(setup, QStringLiteral("new rotor head\r\n"));
        const EditStep step = *history.record(setup);
        setup = savedSetup(setup);
        QVERIFY(!history.record(setup));

        setup = history.restore(setup, step.before);
        QCOMPARE(setup.hoverToAcroTenths, originalTime);
        QCOMPARE(setup.image.at(Index::HoverAcroTime), 17); // as saved, for the restore
        QVERIFY(setup.editedComment);
        QVERIFY(!setup.editedComment->contains(QStringLiteral("rotor head")));
        QCOMPARE(recordOf(setup), original);
        QVERIFY(hasUnsavedChanges(setup));

        setup = history.restore(setup, step.after);
        QVERIFY(!hasUnsavedChanges(setup)); // back to what the file holds
    }

    // An imported text is not in the file: undoing the edits made on it
    // leaves it unsaved, or closing would lose it without a question.
    void undoBackToAnUnsavedStartStaysUnsaved() {
        Setup setup = defaultSetup();
        setup.changed = true; // as Import text leaves it
        EditHistory history;
        history.start(setup);
        setSwitchTimeOfShownPhase(setup, 17);
        const EditStep step = *history.record(setup);
        setup = history.restore(setup, step.before);
        QVERIFY(hasUnsavedChanges(setup));
    }
};

RV_TEST_APPLESS_MAIN(TestEditHistory)
#include "test_edit_history.moc"

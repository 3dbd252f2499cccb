// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ChannelGridLogic.h"
#include "support/channel_reference.h"
#include "support/test_main.h"

#include <QTest>

#include <array>
#include <functional>

using namespace rv;
using rvtest::LiteralChannelSwap;

namespace {

constexpr int Rows = ChannelAssignment::Rows;
constexpr int None = ChannelGridLogic::NoSelection;
using Values = std::array<int, Rows>;

// A grid in a given state: channels as loaded from a file, shown = channel,
// except rows listed as cleared (double-clicked: channel 0, nothing shown) or,
// for rows 6..8, unselected by a preset (channel kept, nothing shown).
struct Grid {
    ChannelAssignment channels;
    ChannelGridLogic logic{channels};
    int handlerRuns = 0;

    Grid(const Values& k, const Values& shown) {
        for (int row = 0; row < Rows; ++row) {
            channels.channel[static_cast<std::size_t>(row)] =
                static_cast<std::uint8_t>(k[static_cast<std::size_t>(row)]);
        }
        for (int row = 0; row < Rows; ++row) {
            logic.selectOption(row, k[static_cast<std::size_t>(row)]);
            if (shown[static_cast<std::size_t>(row)] == None) {
                logic.unselectOption(row, k[static_cast<std::size_t>(row)]);
            }
        }
        logic.clearPresetButtons = [this] { ++handlerRuns; };
    }
    Values k() const {
        Values v{};
        for (int row = 0; row < Rows; ++row) {
            v[static_cast<std::size_t>(row)] = channels.channel[static_cast<std::size_t>(row)];
        }
        return v;
    }
    Values shown() const {
        Values v{};
        for (int row = 0; row < Rows; ++row) {
            v[static_cast<std::size_t>(row)] = logic.shownOption(row);
        }
        return v;
    }
};

LiteralChannelSwap literal(const Values& k, const Values& shown) {
    LiteralChannelSwap ref;
    ref.channel = k;
    ref.shown = shown;
    return ref;
}

Values shownFor(const Values& k, const Values& cleared) {
    Values shown = k;
    for (int row = 0; row < Rows; ++row) {
        if (cleared[static_cast<std::size_t>(row)]) {
            shown[static_cast<std::size_t>(row)] = None;
        }
    }
    return shown;
}

struct Tally {
    long actions = 0;
    long compared = 0;
};

// Runs one action on a fresh grid and on the unguarded reference. Every
// action must end with few handler runs and rows 0..5 showing their channel;
// where the groups held pairwise different values the result must be the
// reference's exactly.
bool check(const Values& k, const Values& shown, const std::function<void(ChannelGridLogic&)>& act,
           const std::function<void(LiteralChannelSwap&)>& actRef, Tally& tally) {
    Grid grid(k, shown);
    act(grid.logic);
    ++tally.actions;
    if (grid.handlerRuns > 3 * Rows) {
        qWarning("too many handler runs: %d", grid.handlerRuns);
        return false;
    }
    const Values after = grid.k();
    const Values afterShown = grid.shown();
    for (int row = 0; row < 6; ++row) {
        const auto r = static_cast<std::size_t>(row);
        if (afterShown[r] != after[r] && !(afterShown[r] == None && after[r] == 0)) {
            qWarning("row %d shows %d but holds %d", row, afterShown[r], after[r]);
            return false;
        }
    }
    if (!rvtest::groupsPairwiseDifferent(k)) {
        return true;
    }
    LiteralChannelSwap ref = literal(k, shown);
    actRef(ref);
    ++tally.compared;
    if (ref.endless || ref.channel != after || ref.shown != afterShown) {
        qWarning("differs from the reference swap");
        return false;
    }
    return true;
}

} // namespace

class TestChannelLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlRowsAgreeWithReferenceFromEveryState() {
        // Every value 0..9 a file can hold in the four control rows; the user
        // may click options 1..4, code may select any option 0..9.
        Tally tally;
        const Values rest{0, 0, 0, 0, 5, 6, 7, 8, 9};
        for (int code = 0; code < 10000; ++code) {
            Values k = rest;
            for (int row = 0, c = code; row < 4; ++row, c /= 10) {
                k[static_cast<std::size_t>(row)] = c % 10;
            }
            const Values shown = shownFor(k, {});
            for (int row = 0; row < 4; ++row) {
                for (int option = 0; option <= 9; ++option) {
                    QVERIFY2(check(
                                 k, shown,
                                 [&](ChannelGridLogic& l) { l.selectOption(row, option); },
                                 [&](LiteralChannelSwap& r) { r.select(row, option); }, tally),
                             qPrintable(QStringLiteral("state %1 row %2 option %3")
                                            .arg(code)
                                            .arg(row)
                                            .arg(option)));
                }
            }
        }
        QCOMPARE(tally.actions, 400000L);
        QVERIFY(tally.compared > 100000);
    }

    void switchRowsAgreeWithReferenceFromEveryState() {
        // Phase and Mode: every channel 0..9 and the double-click cleared row.
        Tally tally;
        for (int phase = -1; phase <= 9; ++phase) {
            for (int mode = -1; mode <= 9; ++mode) {
                const Values k{1, 2, 3, 4, std::max(phase, 0), std::max(mode, 0), 5, 0, 9};
                Values cleared{};
                cleared[4] = phase < 0;
                cleared[5] = mode < 0;
                const Values shown = shownFor(k, cleared);
                for (int row = 4; row < Rows; ++row) {
                    for (int option = 0; option <= 9; ++option) {
                        QVERIFY(check(
                            k, shown, [&](ChannelGridLogic& l) { l.selectOption(row, option); },
                            [&](LiteralChannelSwap& r) { r.select(row, option); }, tally));
                        Grid grid(k, shown);
                        grid.logic.doubleClickOption(row, option);
                        Values expected = k;
                        expected[static_cast<std::size_t>(row)] = 0;
                        QCOMPARE(grid.k(), expected);
                        QCOMPARE(grid.handlerRuns, 0);
                    }
                }
            }
        }
        QVERIFY(tally.compared > 1000);
    }

    void presetsAgreeWithReferenceFromEveryState() {
        Tally tally;
        for (int code = 0; code < 10000; ++code) {
            for (int sw = 0; sw < 121; ++sw) {
                Values k{0, 0, 0, 0, 0, 0, 7, 8, 5};
                for (int row = 0, c = code; row < 4; ++row, c /= 10) {
                    k[static_cast<std::size_t>(row)] = c % 10;
                }
                const int phase = sw % 11 - 1;
                const int mode = sw / 11 - 1;
                k[4] = std::max(phase, 0);
                k[5] = std::max(mode, 0);
                Values cleared{};
                cleared[4] = phase < 0;
                cleared[5] = mode < 0;
                const Values shown = shownFor(k, cleared);
                const int n = 1 + (code + sw) % 4; // every preset over every Phase/Mode pair
                QVERIFY(check(
                    k, shown, [&](ChannelGridLogic& l) { l.applyPreset(n); },
                    [&](LiteralChannelSwap& r) { r.preset(n); }, tally));
            }
        }
        QVERIFY(tally.compared > 100000);
    }

    void presetLeavesExtraChannelsButClearsTheirSelection() {
        Grid grid({1, 2, 3, 4, 7, 8, 7, 8, 5}, shownFor({1, 2, 3, 4, 7, 8, 7, 8, 5}, {}));
        grid.logic.applyPreset(3);
        QCOMPARE(grid.k(), (Values{2, 1, 3, 4, 5, 6, 7, 8, 5}));
        QCOMPARE(grid.shown(), (Values{2, 1, 3, 4, 5, 6, None, None, 5}));
        grid.logic.applyPreset(0); // no such preset
        grid.logic.applyPreset(5);
        QCOMPARE(grid.k(), (Values{2, 1, 3, 4, 5, 6, 7, 8, 5}));
    }

    void repeatedChannelsNoLongerBounceForEver() {
        // Two unassigned control rows, as a file may hold them: the unguarded
        // swap runs away; the grid swaps the chosen row with its partner only.
        const Values k{0, 0, 3, 4, 5, 6, 0, 0, 0};
        LiteralChannelSwap ref = literal(k, k);
        ref.select(0, 3);
        QVERIFY(ref.endless);

        Grid grid(k, k);
        grid.logic.selectOption(0, 3);
        QCOMPARE(grid.k(), (Values{3, 0, 0, 4, 5, 6, 0, 0, 0}));

        Grid same({1, 1, 3, 4, 5, 5, 0, 0, 0}, {1, 1, 3, 4, 5, 5, 0, 0, 0});
        same.logic.selectOption(2, 1);
        QCOMPARE(same.k(), (Values{3, 3, 1, 4, 5, 5, 0, 0, 0}));
        same.logic.selectOption(5, 6);
        QCOMPARE(same.k(), (Values{3, 3, 1, 4, 5, 6, 0, 0, 0}));
    }

    void choosingTheChannelOfAClearedPartnersSwapsInNoChannel() {
        Values k{1, 2, 3, 4, 6, 5, 0, 0, 0};
        Grid grid(k, k);
        grid.logic.doubleClickOption(ChannelAssignment::Phase, 6);
        QCOMPARE(grid.shown()[4], None);
        grid.logic.selectOption(ChannelAssignment::Phase, 5);
        // Phase and Mode never share a channel: Mode is left without one.
        QCOMPARE(grid.k(), (Values{1, 2, 3, 4, 5, 0, 0, 0, 0}));
        QCOMPARE(grid.shown()[5], 0);
    }

    void loadingOverAnotherAssignmentSwapsNothing() {
        const Values before{1, 2, 3, 4, 5, 6, 7, 8, 9};
        Grid grid(before, before);
        const Values file{2, 1, 4, 3, 6, 5, 6, 0, 9};
        for (int row = 0; row < Rows; ++row) {
            grid.channels.channel[static_cast<std::size_t>(row)] =
                static_cast<std::uint8_t>(file[static_cast<std::size_t>(row)]);
        }
        for (int row = 0; row < Rows; ++row) {
            grid.logic.selectOption(row, file[static_cast<std::size_t>(row)]);
        }
        QCOMPARE(grid.k(), file);
        QCOMPARE(grid.shown(), file);
        QCOMPARE(grid.handlerRuns, 8); // each changed row ran its handler once
    }

    void clickHandlerClearsPresetsBeforeChangingAnything() {
        const Values k{1, 2, 3, 4, 5, 6, 0, 0, 0};
        Grid grid(k, k);
        QList<Values> seen;
        grid.logic.clearPresetButtons = [&] { seen.append(grid.k()); };
        grid.logic.selectOption(ChannelAssignment::Main, 4);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.first(), k);
        grid.logic.doubleClickOption(ChannelAssignment::Tail, 2); // control rows cannot be cleared
        grid.logic.doubleClickOption(ChannelAssignment::Extra2, 9);
        QCOMPARE(grid.k(), (Values{4, 2, 3, 1, 5, 6, 0, 0, 0}));
        QCOMPARE(seen.size(), 2);
        QVERIFY(!grid.logic.selectOption(ChannelAssignment::Main, 10));
        QVERIFY(!grid.logic.selectOption(9, 1));
    }
};

RV_TEST_GUILESS_MAIN(TestChannelLogic)
#include "test_channel_logic.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ChannelGridLogic.h"
#include "core/model/ChannelRows.h"
#include "core/model/Setup.h"
#include "core/model/SetupDocument.h"
#include "core/settings/ProgramLanguage.h"
#include "support/channel_reference.h"
#include "support/test_main.h"
#include "ui/pages/channels/ChannelOptionButton.h"
#include "ui/pages/channels/ChannelPage.h"
#include "ui/texts/SettingCaptions.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QRandomGenerator>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

using namespace rv;

namespace {

constexpr int Rows = ChannelAssignment::Rows;
using Values = std::array<int, Rows>;

// A point inside the option's indicator, where a person would click.
QPoint indicatorCentre(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()
        ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)
        .center();
}

} // namespace

class TestChannelPage : public QObject {
    Q_OBJECT

    SetupDocument document;
    Setup& set = document.writable();
    ChannelPage* page = nullptr;

    QAbstractButton* opt(int row, int k) { return page->option(row, k); }
    void click(int row, int k) {
        QTest::mouseClick(opt(row, k), Qt::LeftButton, {}, indicatorCentre(opt(row, k)));
    }
    void doubleClick(int row, int k) {
        // As the platform reports it: a click, then the double-click and its release.
        const QPoint at = indicatorCentre(opt(row, k));
        QTest::mouseClick(opt(row, k), Qt::LeftButton, {}, at);
        QTest::mouseDClick(opt(row, k), Qt::LeftButton, {}, at);
        QTest::mouseRelease(opt(row, k), Qt::LeftButton, {}, at);
    }
    void pressPreset(int n, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(page->presetBox(n), button);
    }
    // What another engineer's load does: variables first, then the options row by row.
    void load(const Values& k, const std::array<bool, Rows>& reverse = {}) {
        for (int row = 0; row < Rows; ++row) {
            set.channels.channel[static_cast<std::size_t>(row)] =
                static_cast<std::uint8_t>(k[static_cast<std::size_t>(row)]);
            page->reverseBox(row)->setChecked(reverse[static_cast<std::size_t>(row)]);
        }
        for (int row = 0; row < Rows; ++row) {
            page->selectOption(row, k[static_cast<std::size_t>(row)]);
        }
    }
    Values k() const {
        Values v{};
        for (int row = 0; row < Rows; ++row) {
            v[static_cast<std::size_t>(row)] = set.channels.channel[static_cast<std::size_t>(row)];
        }
        return v;
    }
    // The option each row visibly shows (-1 = none), read from the widgets.
    Values shownByWidgets() {
        Values v{};
        for (int row = 0; row < Rows; ++row) {
            v[static_cast<std::size_t>(row)] = -1;
            for (int option = 0; option < ChannelGridLogic::Options; ++option) {
                if (opt(row, option)->isChecked()) {
                    v[static_cast<std::size_t>(row)] = option;
                }
            }
        }
        return v;
    }
    QList<int> tickedPresets() {
        QList<int> ticked;
        for (int n = 1; n <= 4; ++n) {
            if (page->presetBox(n)->isChecked()) {
                ticked.append(n);
            }
        }
        return ticked;
    }

private Q_SLOTS:
    void init() {
        set = Setup{};
        page = new ChannelPage(document);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
    }
    void cleanup() { delete page; }

    void everyNamedControlIsInItsFrame() {
        QCOMPARE(page->objectName(), QStringLiteral("fraKanal"));
        auto* grid = page->findChild<QWidget*>(QStringLiteral("fraZuordnung"));
        QVERIFY(grid);
        for (int row = 0; row < Rows; ++row) {
            const ChannelRowSpec& rowInfo = ChannelRows[static_cast<std::size_t>(row)];
            auto* frame = grid->findChild<QWidget*>(QLatin1String(rowInfo.frameName));
            QVERIFY(frame);
            for (int option = 0; option <= 9; ++option) {
                const QString name =
                    QStringLiteral("%1_%2").arg(QLatin1String(rowInfo.optionArray)).arg(option);
                auto* button = frame->findChild<ChannelOptionButton*>(name);
                QVERIFY2(button, qPrintable(name));
                QCOMPARE(button->isVisible(), option != 0);
                QCOMPARE(button->isEnabled(),
                         option >= rowInfo.firstChannel && option <= rowInfo.lastChannel);
            }
            auto* text = grid->findChild<QLabel*>(QStringLiteral("Funktion_%1").arg(row));
            QCOMPARE(text->text(), SettingCaptions::function(row));
            QCOMPARE(grid->findChild<QLabel*>(QStringLiteral("Kanaltext_%1").arg(row))->text(),
                     QString::number(row + 1));
            QVERIFY(grid->findChild<QWidget*>(QStringLiteral("Frame1"))
                        ->findChild<QCheckBox*>(QStringLiteral("Reverse_%1").arg(row)));
        }
        QCOMPARE(grid->findChild<QLabel*>(QStringLiteral("tReverse_0"))->text(),
                 QStringLiteral("rev."));
        QVERIFY(grid->findChild<QLabel*>(QStringLiteral("LFunction")));
        QVERIFY(grid->findChild<QLabel*>(QStringLiteral("LChannel")));
        auto* presets = page->findChild<QWidget*>(QStringLiteral("Preselect"));
        for (int n = 1; n <= 4; ++n) {
            auto* box = presets->findChild<QCheckBox*>(QStringLiteral("Vorwahl_%1").arg(n));
            QCOMPARE(box->text(), QStringLiteral("Tarvik Mode %1").arg(n));
            QCOMPARE(box->accessibleName(), box->text());
        }
        QCOMPARE(shownByWidgets(), (Values{-1, -1, -1, -1, -1, -1, -1, -1, -1}));
    }

    void clicksSwapWithinTheirGroupOnly() {
        load({1, 2, 3, 4, 5, 6, 0, 0, 0});
        click(ChannelAssignment::Main, 4);
        QCOMPARE(k(), (Values{4, 2, 3, 1, 5, 6, 0, 0, 0}));
        click(ChannelAssignment::Mode, 5);
        QCOMPARE(k(), (Values{4, 2, 3, 1, 6, 5, 0, 0, 0}));
        click(ChannelAssignment::Light, 6); // may share Phase's channel
        click(ChannelAssignment::Extra1, 6);
        QCOMPARE(k(), (Values{4, 2, 3, 1, 6, 5, 6, 6, 0}));
        click(ChannelAssignment::Main, 4); // the selected option stays selected
        QCOMPARE(k(), (Values{4, 2, 3, 1, 6, 5, 6, 6, 0}));
        QCOMPARE(shownByWidgets(), (Values{4, 2, 3, 1, 6, 5, 6, 6, 0}));
        QTest::keyClick(opt(ChannelAssignment::Tail, 3), Qt::Key_Space);
        QCOMPARE(k(), (Values{4, 3, 2, 1, 6, 5, 6, 6, 0}));
    }

    void doubleClickClearsAllButTheControlRows() {
        load({1, 2, 3, 4, 5, 6, 7, 8, 9});
        pressPreset(3);
        QCOMPARE(tickedPresets(), QList<int>{3});
        doubleClick(ChannelAssignment::Mode, 6);
        QCOMPARE(set.channels.channel[ChannelAssignment::Mode], 0);
        QCOMPARE(shownByWidgets()[ChannelAssignment::Mode], -1);
        QCOMPARE(tickedPresets(), QList<int>{3}); // the double-click itself leaves the presets
        doubleClick(ChannelAssignment::Tail, 1);
        QCOMPARE(set.channels.channel[ChannelAssignment::Tail], 1);
        QVERIFY(opt(ChannelAssignment::Tail, 1)->isChecked());
        // On an unselected option the first click selects, the second clears.
        doubleClick(ChannelAssignment::Extra1, 5);
        QCOMPARE(set.channels.channel[ChannelAssignment::Extra1], 0);
        QCOMPARE(shownByWidgets()[ChannelAssignment::Extra1], -1);
        QVERIFY(tickedPresets().isEmpty());
        // A bare double-click event must not leave channel 9 shown for a cleared row.
        QTest::mouseDClick(opt(ChannelAssignment::Extra2, 6), Qt::LeftButton, {},
                           indicatorCentre(opt(ChannelAssignment::Extra2, 6)));
        QTest::mouseRelease(opt(ChannelAssignment::Extra2, 6), Qt::LeftButton);
        QCOMPARE(set.channels.channel[ChannelAssignment::Extra2], 0);
        QCOMPARE(shownByWidgets()[ChannelAssignment::Extra2], -1);
        // Delete on the selected option clears the row as a double-click does.
        QTest::keyClick(opt(ChannelAssignment::Light, 8), Qt::Key_Space);
        QCOMPARE(set.channels.channel[ChannelAssignment::Light], 8);
        QTest::keyClick(opt(ChannelAssignment::Light, 8), Qt::Key_Delete);
        QCOMPARE(set.channels.channel[ChannelAssignment::Light], 0);
        QTest::keyClick(opt(ChannelAssignment::Tail, 1), Qt::Key_Delete); // control rows stay
        QCOMPARE(set.channels.channel[ChannelAssignment::Tail], 1);
    }

    void loadShowsChannelsReverseFlagsAndClearsPresets() {
        load({1, 2, 3, 4, 5, 6, 0, 0, 0});
        pressPreset(2);
        QCOMPARE(tickedPresets(), QList<int>{2});
        // A file with rows swapped against the display, a duplicate and an empty row.
        load({2, 1, 4, 4, 6, 5, 0, 7, 9},
             {true, false, false, false, true, false, true, false, false});
        QCOMPARE(k(), (Values{2, 1, 4, 4, 6, 5, 0, 7, 9}));
        QCOMPARE(shownByWidgets(), (Values{2, 1, 4, 4, 6, 5, 0, 7, 9}));
        QVERIFY(!opt(ChannelAssignment::Light, 0)->isVisible()); // no visible selection
        QVERIFY(tickedPresets().isEmpty());
        QCOMPARE(set.channels.channelByte(ChannelAssignment::Phase), 0x86);
        QCOMPARE(set.channels.channelByte(ChannelAssignment::Light), 0x80);
        QTest::mouseClick(page->reverseBox(ChannelAssignment::Light), Qt::LeftButton);
        QVERIFY(!set.channels.reversed[ChannelAssignment::Light]);

        // setChecked from code is a selection like any other; unchecking raises nothing.
        opt(ChannelAssignment::CyclicPitch, 1)->setChecked(true);
        QCOMPARE(k(), (Values{2, 4, 1, 4, 6, 5, 0, 7, 9}));
        opt(ChannelAssignment::CyclicPitch, 1)->setChecked(false);
        QCOMPARE(set.channels.channel[ChannelAssignment::CyclicPitch], 1);
        QCOMPARE(page->logic().shownOption(ChannelAssignment::CyclicPitch),
                 ChannelGridLogic::NoSelection);
    }

    void phaseOptionsFollowTheHeliType() {
        load({1, 2, 3, 4, 7, 6, 0, 0, 0});
        page->setPhaseOptionsEnabled(false);
        for (int option = 5; option <= 9; ++option) {
            QVERIFY(!opt(ChannelAssignment::Phase, option)->isEnabled());
            QVERIFY(opt(ChannelAssignment::Mode, option)->isEnabled());
        }
        click(ChannelAssignment::Phase, 8);
        QCOMPARE(set.channels.channel[ChannelAssignment::Phase], 7);
        QVERIFY(opt(ChannelAssignment::Phase, 7)->isChecked()); // greyed but still shown
        page->selectOption(ChannelAssignment::Phase, 6);        // the program can still select it
        QCOMPARE(k(), (Values{1, 2, 3, 4, 6, 7, 0, 0, 0}));
        page->setPhaseOptionsEnabled(true);
        click(ChannelAssignment::Phase, 8);
        QCOMPARE(set.channels.channel[ChannelAssignment::Phase], 8);
    }

    void presetsSetSixRowsAndTickTheirBox() {
        load({1, 2, 3, 4, 7, 8, 7, 8, 5});
        pressPreset(3);
        QCOMPARE(k(), (Values{2, 1, 3, 4, 5, 6, 7, 8, 5}));
        QCOMPARE(shownByWidgets(), (Values{2, 1, 3, 4, 5, 6, -1, -1, 5}));
        QCOMPARE(tickedPresets(), QList<int>{3});
        pressPreset(3); // already applied: nothing changes, the box toggles off
        QCOMPARE(k(), (Values{2, 1, 3, 4, 5, 6, 7, 8, 5}));
        QVERIFY(tickedPresets().isEmpty());
        pressPreset(3);
        QCOMPARE(tickedPresets(), QList<int>{3});
        click(ChannelAssignment::Roll, 1);
        QVERIFY(tickedPresets().isEmpty());

        pressPreset(1, Qt::RightButton); // applies, but only the left button toggles a box
        QCOMPARE(k(), (Values{2, 4, 3, 1, 5, 6, 7, 8, 5}));
        QVERIFY(tickedPresets().isEmpty());
        page->presetBox(4)->setFocus();
        QTest::keyClick(page->presetBox(4), Qt::Key_Space);
        QCOMPARE(k(), (Values{3, 1, 2, 4, 5, 6, 7, 8, 5}));
        QCOMPARE(tickedPresets(), QList<int>{4});
        page->presetBox(2)->click(); // e.g. an accessibility action
        QCOMPARE(k(), (Values{3, 4, 2, 1, 5, 6, 7, 8, 5}));
        QCOMPARE(tickedPresets(), QList<int>{2});
    }

    void accessibleNamesFollowTheTranslatedTexts() {
        QCOMPARE(opt(ChannelAssignment::Tail, 3)->accessibleName(), QStringLiteral("Tail 3"));
        QCOMPARE(opt(ChannelAssignment::CyclicPitch, 2)->accessibleName(),
                 QStringLiteral("Cyclic Pitch 2"));
        QCOMPARE(page->reverseBox(1)->accessibleName(), QStringLiteral("Tail rev."));
        auto french = std::make_unique<ProgramTranslation>(French);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(opt(ChannelAssignment::Tail, 3)->accessibleName(),
                 QStringLiteral("Anti couple 3"));
        QCOMPARE(page->reverseBox(1)->accessibleName(), QStringLiteral("Anti couple inv."));
        french.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(page->reverseBox(1)->accessibleName(), QStringLiteral("Tail rev."));
    }

    void tabStopsOncePerRowAndArrowsLookRoundWithoutSelecting() {
        load({1, 2, 3, 4, 5, 6, 0, 0, 0});
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page));
        const auto focused = [] { return QApplication::focusWidget()->objectName(); };
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        page->presetBox(1)->setFocus();
        QStringList visited;
        for (int step = 0; step < 60 && !visited.contains(focused()); ++step) {
            visited.append(focused());
            press(Qt::Key_Tab);
        }
        // The selected option is the row's stop; a row without one offers its first.
        QCOMPARE(visited,
                 (QStringList{"Vorwahl_1", "Vorwahl_2", "Vorwahl_3", "Vorwahl_4", "F_Main_1",
                              "Reverse_0", "F_Heck_2",  "Reverse_1", "F_Nick_3",  "Reverse_2",
                              "F_Roll_4",  "Reverse_3", "F_Phase_5", "Reverse_4", "F_Mode_6",
                              "Reverse_5", "F_E1_5",    "Reverse_6", "F_E2_5",    "Reverse_7",
                              "F_E3_5",    "Reverse_8"}));

        opt(ChannelAssignment::Main, 1)->setFocus(Qt::TabFocusReason);
        const std::pair<Qt::Key, const char*> steps[] = {
            {Qt::Key_Right, "F_Main_2"}, {Qt::Key_Right, "F_Main_3"}, {Qt::Key_Right, "F_Main_4"},
            {Qt::Key_Right, "F_Main_4"}, {Qt::Key_Down, "F_Heck_4"},  {Qt::Key_Down, "F_Nick_4"},
            {Qt::Key_Left, "F_Nick_3"},  {Qt::Key_Down, "F_Roll_3"},  {Qt::Key_Down, "F_Phase_5"},
            {Qt::Key_Down, "F_Mode_5"},  {Qt::Key_Left, "F_Mode_5"},  {Qt::Key_Right, "F_Mode_6"},
            {Qt::Key_Down, "F_E1_6"},    {Qt::Key_Down, "F_E2_6"},    {Qt::Key_Down, "F_E3_6"},
            {Qt::Key_Down, "F_E3_6"},    {Qt::Key_Up, "F_E2_6"},      {Qt::Key_Up, "F_E1_6"},
            {Qt::Key_Up, "F_Mode_6"}};
        for (const auto& [key, expected] : steps) {
            press(key);
            QCOMPARE(focused(), QLatin1String(expected));
        }
        QCOMPARE(k(), (Values{1, 2, 3, 4, 5, 6, 0, 0, 0})); // looking round selects nothing
        press(Qt::Key_Left);
        press(Qt::Key_Space);
        QCOMPARE(k(), (Values{1, 2, 3, 4, 6, 5, 0, 0, 0}));
        // Leaving a row and coming back lands on its selected option.
        press(Qt::Key_Right);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("Reverse_5"));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), QStringLiteral("F_Mode_5"));

        // A row whose options are all disabled is passed over.
        page->setPhaseOptionsEnabled(false);
        opt(ChannelAssignment::Roll, 4)->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Down);
        QCOMPARE(focused(), QStringLiteral("F_Mode_5"));
        press(Qt::Key_Tab, Qt::ShiftModifier);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), QStringLiteral("Reverse_3"));
    }

    void optionsAreRadioButtonsToAssistiveTools() {
        load({1, 2, 3, 4, 5, 6, 0, 0, 0});
        for (int row = 0; row < Rows; ++row) {
            for (int option = 1; option <= 9; ++option) {
                QAccessibleInterface* face =
                    QAccessible::queryAccessibleInterface(opt(row, option));
                QVERIFY(face);
                QCOMPARE(face->role(), QAccessible::RadioButton);
                QCOMPARE(face->text(QAccessible::Name), opt(row, option)->accessibleName());
                QCOMPARE(bool(face->state().checked), opt(row, option)->isChecked());
            }
        }
        // Their action selects like a click, with the row's swap.
        QAccessibleInterface* tail1 = QAccessible::queryAccessibleInterface(opt(1, 1));
        QVERIFY(tail1->state().checkable);
        tail1->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(k(), (Values{2, 1, 3, 4, 5, 6, 0, 0, 0}));
        tail1->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(opt(1, 1)->isChecked());
    }

    // Clearing by double-click is told on the rows that have it, in the pilot's
    // language, and assistive tools read it as the option's description.
    void clearableRowsSayHowInTheirTooltip() {
        for (int row = 0; row < Rows; ++row) {
            const bool clears = ChannelRows[static_cast<std::size_t>(row)].doubleClickClears;
            QCOMPARE(opt(row, 6)->toolTip().isEmpty(), !clears);
        }
        const ProgramTranslation french(French);
        const QString expected =
            QStringLiteral("Double-clic ou Suppr : aucune voie pour cette fonction");
        QTRY_COMPARE(opt(ChannelAssignment::Mode, 7)->toolTip(), expected);
        QCOMPARE(QAccessible::queryAccessibleInterface(opt(ChannelAssignment::Mode, 7))
                     ->text(QAccessible::Description),
                 expected);
    }

    void randomUserActionsMatchTheModel() {
        // The widgets must produce what the widget-free grid produces for the
        // same actions, and what the unguarded swap produces where it may run.
        QRandomGenerator random(20240611);
        ChannelAssignment twinChannels;
        ChannelGridLogic twin(twinChannels);
        for (int round = 0; round < 150; ++round) {
            Values start{};
            for (int row = 0; row < Rows; ++row) {
                start[static_cast<std::size_t>(row)] = random.bounded(10);
            }
            load(start);
            twinChannels.channel = set.channels.channel;
            for (int row = 0; row < Rows; ++row) {
                twin.selectOption(row, start[static_cast<std::size_t>(row)]);
            }
            for (int step = 0; step < 8; ++step) {
                const Values before = k();
                const Values shownBefore = shownByWidgets();
                rvtest::LiteralChannelSwap ref;
                ref.channel = before;
                ref.shown = shownBefore;
                const int row = random.bounded(Rows);
                const ChannelRowSpec& rowInfo = ChannelRows[static_cast<std::size_t>(row)];
                const int option = rowInfo.firstChannel +
                                   random.bounded(rowInfo.lastChannel - rowInfo.firstChannel + 1);
                switch (random.bounded(4)) {
                case 0:
                case 1:
                    click(row, option);
                    twin.selectOption(row, option);
                    ref.select(row, option);
                    break;
                case 2:
                    doubleClick(row, option);
                    twin.selectOption(row, option);
                    twin.doubleClickOption(row, option);
                    ref.select(row, option);
                    if (rowInfo.doubleClickClears) {
                        ref.unselect(row, option);
                        ref.channel[static_cast<std::size_t>(row)] = 0;
                    }
                    break;
                default:
                    pressPreset(1 + row % 4);
                    twin.applyPreset(1 + row % 4);
                    ref.preset(1 + row % 4);
                }
                QCOMPARE(set.channels.channel, twinChannels.channel);
                for (int r = 0; r < Rows; ++r) {
                    QCOMPARE(shownByWidgets()[static_cast<std::size_t>(r)], twin.shownOption(r));
                }
                if (rvtest::groupsPairwiseDifferent(before)) {
                    QVERIFY(!ref.endless);
                    QCOMPARE(k(), ref.channel);
                }
            }
        }
    }
};

RV_TEST_MAIN(TestChannelPage)
#include "test_channel_page.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/format/SetupRecord.h"
#include "core/model/CurveEditor.h"
#include "core/model/CurveGeometry.h"
#include "core/model/CurveTools.h"
#include "support/curve_page_Fixture.h"
#include "support/curve_test_helpers.h"
#include "support/test_main.h"
#include "ui/curves/CurvePicture.h"
#include "ui/texts/Dialogs.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace rv;
using curvetest::cursorY;
using curvetest::xOf;

// The curve as numbers and as whole-curve tools: the eleven point fields under
// the picture and the Curve tools menu, driven through page 1's real widgets.
class TestCurvePointFields : public QObject, CurvePageFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { openPage(); }

    // The point fields: a typed value moves the point, in the picture, the
    // read-out and the saved record; a cleared field removes it; what cannot
    // be taken is refused as it is typed or named in a message.
    void typingAPointValueMovesThePointAndTheSavedBytes() {
        MessageBox::setTestMode(true);
        MessageBox::clearHistory();
        QCOMPARE(text("CurveTitle"), QStringLiteral("Pitch Curve, Hover"));
        auto* field3 = child<QLineEdit>(QStringLiteral("CurvePoint_3"));
        QCOMPARE(field3->text(), QStringLiteral("-20")); // stored 80
        QCOMPARE(QAccessible::queryAccessibleInterface(field3)->text(QAccessible::Name),
                 QStringLiteral("Point 3"));
        const auto type = [](QLineEdit* field, const QString& typed, Qt::Key confirm) {
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, confirm);
        };
        type(field3, QStringLiteral("-37"), Qt::Key_Return);
        QCOMPARE(set.curves.byLetter('A')[3], 63);
        QCOMPARE(text("IstValue"), QStringLiteral("-37"));
        QCOMPARE(dotColour(3, 63), Green);
        const QByteArray record = recordOf(set);
        constexpr int PitchCurve = 115; // offset of curve A in the record
        QCOMPARE(record.mid(PitchCurve + 2 * 3, 2), QByteArray("\x3F\x00", 2));

        auto* field7 = child<QLineEdit>(QStringLiteral("CurvePoint_7"));
        type(field7, QString(), Qt::Key_Tab); // leaving the field confirms too
        QCOMPARE(set.curves.byLetter('A')[7], RemovedPoint);
        QCOMPARE(recordOf(set).mid(PitchCurve + 2 * 7, 2), QByteArray("\xFF\xFF", 2));
        QVERIFY(MessageBox::history().isEmpty());

        // 150 is beyond the axis: refused whole, never taken as the 15 its
        // first digits make.
        type(field3, QStringLiteral("150"), Qt::Key_Return);
        QCOMPARE(set.curves.byLetter('A')[3], 63);
        QCOMPARE(field3->text(), QStringLiteral("-37"));
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("150 is outside -100..100; nothing written."));
        type(field3, QStringLiteral("1500"), Qt::Key_Return); // a fourth digit is refused as typed
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("150 is outside -100..100; nothing written."));
        MessageBox::clearHistory();

        auto* field5 = child<QLineEdit>(QStringLiteral("CurvePoint_5"));
        const Curve before = set.curves.byLetter('A');
        type(field5, QString(), Qt::Key_Return);
        QCOMPARE(set.curves.byLetter('A'), before);
        QCOMPARE(field5->text(), QStringLiteral("0")); // shows the point again
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Points 0, 5 and 10 cannot be removed."));

        // The fields follow the mouse as well, and another phase renames the picture.
        hover(4, 170);
        QTest::mouseClick(pic, Qt::LeftButton, {}, pic->toPixel({xOf(4), cursorY(170)}).toPoint());
        QCOMPARE(child<QLineEdit>(QStringLiteral("CurvePoint_4"))->text(), QStringLiteral("70"));
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Acro")), Qt::LeftButton);
        QCOMPARE(text("CurveTitle"), QStringLiteral("Pitch Curve, Acro"));
        QCOMPARE(field3->text(), QStringLiteral("-20"));
    }

    // The acro curve behind the hover one, redrawn when a copy changes it.
    void theOtherPhaseShowsFaintlyAndFollowsACopy() {
        set.curves.byLetter('a') = CurveTools::flat(180);
        const QPointF between = pic->toPixel({(xOf(2) + xOf(3)) / 2, CurveGeometry::valueY(180)});
        const auto pixelThere = [&] {
            const QImage image = pic->grab().toImage();
            return image.pixelColor(imagePoint(image, between));
        };
        const QColor faint = pixelThere();
        QVERIFY(faint != Qt::white);
        QVERIFY(faint.blue() > faint.red()); // faint blue, not the black of the curve
        QVERIFY(page->curveEditor().copyCurve(Hover));
        QCOMPARE(pixelThere(), QColor(Qt::white));

        // While a point is dragged the background comes from a pixmap: it follows too.
        set.curves.byLetter('a') = CurveTools::flat(180);
        curvetest::move(pic, {xOf(8), cursorY(120)}, Qt::LeftButton);
        QCOMPARE(pixelThere(), faint);
        QVERIFY(page->curveEditor().copyCurve(Hover));
        QCOMPARE(pixelThere(), QColor(Qt::white));
        curvetest::release(pic, {xOf(8), cursorY(120)}, Qt::LeftButton);
    }

    // A tool asks in the curve's own units, offers the middle point and is
    // one edit; an answer it cannot take changes nothing and says why.
    void curveToolsAskInShownUnitsAndRefuseWhatTheyCannotTake() {
        MessageBox::setTestMode(true);
        MessageBox::clearHistory();
        InputPrompt::clearHistory();
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Kurvenauswahl_4")), Qt::LeftButton);
        auto* tools = child<QPushButton>(QStringLiteral("CurveTools"));
        QCOMPARE(QAccessible::queryAccessibleInterface(tools)->text(QAccessible::Name),
                 QStringLiteral("Curve tools"));
        Q_EMIT tools->menu()->aboutToShow(); // what opening it does
        const auto entry = [&](const char* name) {
            return tools->menu()->findChild<QAction*>(QLatin1String(name));
        };
        QVERIFY(entry("CurveHoverToAcro")->isEnabled());

        InputPrompt::setNextAnswer(QStringLiteral("62"));
        entry("CurveFlat")->trigger();
        QCOMPARE(InputPrompt::history().last().defaultText, QStringLiteral("0")); // stored 100
        QCOMPARE(InputPrompt::history().last().label,
                 QStringLiteral("Value of every point (-125..125):"));
        QCOMPARE(set.curves.byLetter('N'), CurveTools::flat(150)); // shown as 62
        QCOMPARE(child<QLineEdit>(QStringLiteral("CurvePoint_5"))->text(), QStringLiteral("62"));

        for (const char* answer : {"abc", "126"}) {
            InputPrompt::setNextAnswer(QString::fromLatin1(answer));
            entry("CurveV")->trigger();
        }
        InputPrompt::setNextAnswer(QStringLiteral("101"));
        entry("CurveExpo")->trigger();
        QCOMPARE(set.curves.byLetter('N'), CurveTools::flat(150));
        QCOMPARE(MessageBox::history().size(), 3);
        QCOMPARE(MessageBox::history().at(1).text,
                 QStringLiteral("126 is outside -125..125; nothing written."));

        set.pitchMode = 0; // one phase only: nothing to copy to
        Q_EMIT tools->menu()->aboutToShow();
        QVERIFY(!entry("CurveAcroToHover")->isEnabled());
    }
};

RV_TEST_MAIN(TestCurvePointFields)
#include "test_curve_point_fields.moc"

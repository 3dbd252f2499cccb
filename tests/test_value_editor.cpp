// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ParameterImage.h"
#include "core/model/Setup.h"
#include "support/params_widgets.h"
#include "support/test_main.h"
#include "support/window_Fixture.h"
#include "ui/document/FileCommands.h"
#include "ui/texts/Dialogs.h"
#include "ui/window/ValueEditor.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>

using namespace rv;

class TestValueEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void upAndDownStayWithinZeroTo69() {
        Setup set;
        set.image.set(1, 17);
        set.image.set(69, 5);
        ValueEditor editor(set);
        PARAMS_CONTROL(QPushButton, up, &editor, "cmdUp");
        PARAMS_CONTROL(QPushButton, down, &editor, "cmdDown");
        PARAMS_CONTROL(QLabel, index, &editor, "LPara");
        PARAMS_CONTROL(QLineEdit, value, &editor, "TPara");
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(editor.entryIndex(), 0);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(index->text(), QStringLiteral("1"));
        QCOMPARE(value->text(), QStringLiteral("17"));
        for (int i = 0; i < 80; ++i) {
            QTest::mouseClick(up, Qt::LeftButton);
        }
        QCOMPARE(editor.entryIndex(), 69);
        QCOMPARE(index->text(), QStringLiteral("69"));
        QCOMPARE(value->text(), QStringLiteral("5"));
    }

    void entryWritesOnlyBytesAndSaysWhyNot() {
        Setup set;
        ValueEditor editor(set);
        PARAMS_CONTROL(QLineEdit, value, &editor, "TPara");
        editor.showNextEntry(); // index 1
        set.image.set(1, 9);

        const QStringList rejected{QStringLiteral("300"), QStringLiteral("abc"),
                                   QStringLiteral(""),    QStringLiteral("-3"),
                                   QStringLiteral("inf"), QStringLiteral("255.7")};
        for (const QString& text : rejected) {
            value->setText(text);
            QTest::mouseDClick(value, Qt::LeftButton);
            QCOMPARE(set.image.at(1), 9);
            QVERIFY2(!editor.message().isEmpty(), qPrintable(text));
        }

        value->setText(QStringLiteral("255"));
        QTest::mouseDClick(value, Qt::LeftButton);
        QCOMPARE(set.image.at(1), 255);

        value->setText(QStringLiteral("-0.4")); // rounds to 0
        QTest::keyClick(value, Qt::Key_Return);
        QCOMPARE(set.image.at(1), 0);
    }

    void decimalsFollowTheLocaleAndRoundHalfToEven() {
        QCOMPARE(ValueEditor::parseByte(QStringLiteral("12,5"), QLocale(QLocale::German)), 12);
        QCOMPARE(ValueEditor::parseByte(QStringLiteral("13,5"), QLocale(QLocale::German)), 14);
        QCOMPARE(ValueEditor::parseByte(QStringLiteral("12.5"), QLocale(QLocale::English)), 12);
        QCOMPARE(ValueEditor::parseByte(QStringLiteral(" 7 "), QLocale(QLocale::English)), 7);
        // A thousands separator is never taken: "1.000" is not 1000 in German.
        QCOMPARE(ValueEditor::parseByte(QStringLiteral("1.000"), QLocale(QLocale::German)),
                 std::nullopt);
        QCOMPARE(ValueEditor::parseByte(QStringLiteral("1,5"), QLocale(QLocale::English)),
                 std::nullopt);
        // Far beyond any integer: refused like 256, never cast out of range.
        for (const char* huge : {"1e19", "-1e19", "1e300", "-1e300", "9.3e18"}) {
            QCOMPARE(ValueEditor::parseByte(QString::fromLatin1(huge), QLocale::c()), std::nullopt);
        }

        QLocale::setDefault(QLocale(QLocale::German));
        Setup set;
        ValueEditor editor(set);
        PARAMS_CONTROL(QLineEdit, value, &editor, "TPara");
        value->setText(QStringLiteral("12,5"));
        editor.writeEntry();
        QCOMPARE(set.image.at(0), 12);
    }

    // The slider follows the byte written, without re-scaling it to its
    // position: a save keeps the byte exactly.
    void sliderShowsTheWrittenByteAndKeepsIt() {
        WindowFixture fx;
        fx.writeSettings(QStringLiteral("1"), QString(), QStringLiteral("1"));
        MainWindow& window = fx.start();
        window.showValueEditor();
        auto* editor = window.findChild<ValueEditor*>();
        PARAMS_CONTROL(QSlider, slider, &window, "Para34Sl");
        PARAMS_CONTROL(QLabel, label, &window, "Para34L");
        PARAMS_CONTROL(QLineEdit, value, editor, "TPara");
        for (int i = 0; i < 34; ++i) {
            editor->showNextEntry();
        }
        value->setText(QStringLiteral("200")); // no position stands for it exactly
        editor->writeEntry();
        QCOMPARE(window.setup().image.at(34), 200);
        QCOMPARE(slider->value(), PercentScale::toPosition(200));
        QCOMPARE(label->text(), QString::number(PercentScale::toPosition(200)));
        FileDialogs::setNextFileName(fx.path(QStringLiteral("written.rvc")));
        QVERIFY(window.fileCommands().saveFile());
        QCOMPARE(std::uint8_t(fx.readFile(QStringLiteral("written.rvc")).at(34)), 200);
    }

    void hiddenAtStartAndHiddenAgainByDoubleClick() {
        Setup set;
        set.image.set(0, 42);
        QWidget window;
        auto* editor = new ValueEditor(set, &window);
        window.show();
        QVERIFY(editor->isHidden());
        editor->show();
        PARAMS_CONTROL(QLineEdit, value, editor, "TPara");
        QCOMPARE(value->text(), QStringLiteral("42")); // shows the current byte
        QTest::mouseDClick(editor, Qt::LeftButton, {}, QPoint(editor->width() - 3, 3));
        QVERIFY(editor->isHidden());
        // Escape in any of its fields closes it too.
        editor->show();
        QTest::keyClick(value, Qt::Key_Escape);
        QVERIFY(editor->isHidden());
    }

    // Up and Down stay where the pointer is whatever the message row shows, so
    // that quick clicks on Up never land on the free area as a closing double-click.
    void buttonsStayPutWhileMessagesComeAndGo() {
        Setup set;
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QWidget(&window), 1); // the pages above take what is left
        auto* editor = new ValueEditor(set, &window);
        layout->addWidget(editor);
        window.resize(420, 400);
        window.show();
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PARAMS_CONTROL(QPushButton, up, editor, "cmdUp");
        PARAMS_CONTROL(QLineEdit, value, editor, "TPara");
        const auto upPlace = [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            return QRect(up->mapTo(&window, QPoint()), up->size());
        };
        const QRect place = upPlace();

        value->setText(QStringLiteral("7"));
        editor->writeEntry();
        QVERIFY(!editor->message().isEmpty());
        QCOMPARE(upPlace(), place);
        QTest::mouseClick(up, Qt::LeftButton); // clears the message
        QVERIFY(editor->message().isEmpty());
        QCOMPARE(upPlace(), place);
        // A long entry is quoted short and still fits.
        value->setText(QString(200, QLatin1Char('x')) + QStringLiteral(" y"));
        editor->writeEntry();
        QVERIFY(editor->message().size() < 60);
        QCOMPARE(upPlace(), place);
        QVERIFY(editor->isVisible());
    }
};

RV_TEST_MAIN(TestValueEditor)
#include "test_value_editor.moc"

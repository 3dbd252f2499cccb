// SPDX-License-Identifier: GPL-3.0-or-later
// The window's setup document without a window: each change is reported
// once, with what it touched, and counted.
#include "core/model/SetupDocument.h"
#include "core/model/SetupEdits.h"
#include "support/test_main.h"

#include <QTest>

#include <vector>

using namespace rv;

namespace {
// Every report of a document, in order.
struct Reports {
    explicit Reports(SetupDocument& document) {
        QObject::connect(&document, &SetupDocument::changed,
                         [this](SetupChange what) { kinds.push_back(what); });
    }
    std::vector<SetupChange> kinds;
};
} // namespace

class TestSetupDocument : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anEditIsReportedOnceWithItsKind() {
        SetupDocument document;
        const Reports reports(document);
        const auto before = document.revision();
        document.edit(SetupChange::Field, [](Setup& setup) { selectHeliType(setup, 0); });
        QCOMPARE(reports.kinds, std::vector<SetupChange>{SetupChange::Field});
        QVERIFY(document.revision() > before);
        // The edit's own consequences arrive with it, not as reports of their own.
        QCOMPARE(document.setup().swashplateType, 2);

        const auto afterField = document.revision();
        document.writable().channels.reversed[0] = true;
        document.noteChanged(SetupChange::Channels);
        QCOMPARE(reports.kinds.size(), std::size_t(2));
        QCOMPARE(reports.kinds.back(), SetupChange::Channels);
        QVERIFY(document.revision() > afterField);
    }

    void anotherSetupIsReportedAndTheSameOneIsNot() {
        SetupDocument document;
        const Reports reports(document);
        Setup other;
        other.image.set(Index::MainOut, 1);
        document.replace(other);
        QCOMPARE(reports.kinds, std::vector<SetupChange>{SetupChange::Whole});
        QCOMPARE(document.setup().image.at(Index::MainOut), 1);

        // A reload of what is shown already (an undo that cancels out) tells nobody.
        const auto revision = document.revision();
        document.replace(other);
        QCOMPARE(reports.kinds.size(), std::size_t(1));
        QCOMPARE(document.revision(), revision);

        Setup saved = other;
        saved.currentFileName = QStringLiteral("Saved.rvc");
        document.replace(saved, SetupChange::Bookkeeping);
        QCOMPARE(reports.kinds.back(), SetupChange::Bookkeeping);
        QVERIFY(document.revision() > revision);
    }
};

RV_TEST_GUILESS_MAIN(TestSetupDocument)
#include "test_setup_document.moc"

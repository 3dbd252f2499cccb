// SPDX-License-Identifier: GPL-3.0-or-later
// The catalog of settings and the difference list of two setups, on the core
// alone: random records and the regression records of tests/data.
#include "core/format/ParameterRecord.h"
#include "core/format/SetupDifference.h"
#include "core/format/SetupRecord.h"
#include "core/model/ChannelRows.h"
#include "core/model/OptionFields.h"
#include "core/model/SettingCatalog.h"
#include "core/model/SetupEdits.h"
#include "core/model/SliderTable.h"
#include "support/data_Files.h"
#include "support/setup_RandomRecords.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

using namespace rv;
using rv::test::fileBytes;

namespace {
QStringList regressionRecords() {
    const QDir folder(QStringLiteral(RV_SOURCE_DIR "/tests/data/regression"));
    QStringList paths;
    for (const QString& name :
         folder.entryList({QStringLiteral("*.rvc")}, QDir::Files, QDir::Name)) {
        paths.append(folder.filePath(name));
    }
    return paths;
}
const SettingEntry& setting(const char* key) {
    const SettingEntry* found = findSetting(QString::fromLatin1(key));
    if (found == nullptr) {
        qFatal("no setting %s", key);
    }
    return *found;
}

// A file's bytes as the record they load as (a short file, bytes after the record).
QByteArray asRecord(const QByteArray& bytes) {
    Setup fields;
    decodeRecord(bytes, fields);
    return encodeRecord(fields);
}

// Record `before` with every listed difference carried over from `after`:
// equal to `after` exactly when the list names everything that differs.
QByteArray withDifferencesApplied(const QByteArray& before, const SetupDifferences& differences) {
    Setup fields;
    decodeRecord(before, fields);
    for (const SettingChange& change : differences.settings) {
        const std::optional<std::uint8_t> bits = bitsForExactValue(*change.setting, change.after);
        if (!bits) {
            qFatal("%s: cannot read back \"%s\"", change.setting->key, qPrintable(change.after));
        }
        storeSettingBits(*change.setting, *bits, fields.image);
    }
    for (const ByteChange& change : differences.unshownEntries) {
        const std::uint8_t unshown = unshownBits(change.index);
        fields.image.set(change.index,
                         static_cast<std::uint8_t>((fields.image.at(change.index) & ~unshown) |
                                                   (change.after & unshown)));
    }
    for (const CurveChange& change : differences.curves) {
        *fields.curves.at(change.phase, change.curveIndex) = change.after;
    }
    if (differences.commentDiffers) {
        fields.storedComment = commentFieldFromText(differences.commentAfter);
    }
    if (differences.reservedByteDiffers) {
        fields.reservedByte = differences.reservedByteAfter;
    }
    for (const ByteChange& change : differences.reservedText) {
        fields.reservedText[change.index] = static_cast<char>(change.after);
    }
    return encodeRecord(fields);
}
} // namespace

class TestSetupDifference : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One entry per slider row, option group, servo box and channel row, and
    // every bit of the image either in exactly one setting or listed by index.
    void catalogCoversEveryControlOnce() {
        QSet<QString> keys;
        std::array<int, ParameterImage::Size * 8> owners{};
        for (const SettingEntry& entry : settingCatalog()) {
            QVERIFY2(!keys.contains(QLatin1String(entry.key)), entry.key);
            keys.insert(QLatin1String(entry.key));
            for (int bit = 0; bit < 8; ++bit) {
                if ((entry.mask >> bit) & 1) {
                    ++owners.at(static_cast<std::size_t>(entry.index * 8 + bit));
                }
            }
        }
        const auto size = static_cast<qsizetype>(sliderDefinitions().size() + OptionGroups.size() +
                                                 ChannelRows.size());
        QCOMPARE(keys.size(), size + 3 + 4 + 1); // servo boxes, switch times and speeds, gyro
        for (int index = 0; index < ParameterImage::Size; ++index) {
            for (int bit = 0; bit < 8; ++bit) {
                const bool unshown = ((unshownBits(index) >> bit) & 1) != 0;
                QCOMPARE(owners.at(static_cast<std::size_t>(index * 8 + bit)), unshown ? 0 : 1);
            }
        }
        QCOMPARE(unshownBits(Index::SpeedFactor06), std::uint8_t(0xFF)); // derived, not shown
        QCOMPARE(unshownBits(Index::TailSignal), std::uint8_t(0));       // signal and combo bit
    }

    // Values read as the window shows them; a byte the shown value alone
    // would not give back is named, so every byte of every setting survives.
    void exactValuesGiveBackEveryByte() {
        const struct {
            const char* key;
            int byte;
            const char* text;
        } shown[] = {
            {"tail_gain", 160, "63 %"},
            {"tail_gain", 161, "63 % (byte 161)"},
            {"soft_start", 200, "10 % (byte 200)"},
            {"light_1_on", 50, "500 ms"},
            {"tail_dual_rate", 77, "77 %"},
            {"hover_to_acro_time", 15, "1.5 s"},
            {"hover_to_acro_time", 30, "2 s (byte 30)"},
            {"hover_speed", 150, "1500 rpm"},
            {"acro_speed", 20, "500 rpm (byte 20)"},
            {"heli_type", 1, "Pitch controlled"},
            {"heli_type", 7, "(byte 7)"},
            {"combo_tail", 0x80, "On"},
            {"swashplate", 0, "120\u00b0"},
            {"gyro_reverse", 2, "Unset"},
            {"servo_2_reverse", 0, "normal (byte 0)"},
            {"channel_tail", 0x83, "3 reversed"},
            {"channel_phase", 0, "none"},
            {"channel_light", 12, "(byte 12)"},
        };
        for (const auto& row : shown) {
            ParameterImage image;
            storeSettingBits(setting(row.key), static_cast<std::uint8_t>(row.byte), image);
            QCOMPARE(exactValue(setting(row.key), image), QString::fromUtf8(row.text));
        }
        for (const SettingEntry& entry : settingCatalog()) {
            for (int byte = 0; byte < 256; ++byte) {
                if ((byte & ~entry.mask) != 0) {
                    continue;
                }
                ParameterImage image;
                storeSettingBits(entry, static_cast<std::uint8_t>(byte), image);
                const QString text = exactValue(entry, image);
                QVERIFY2(bitsForExactValue(entry, text) == byte,
                         qPrintable(QStringLiteral("%1 %2").arg(entry.key).arg(text)));
            }
        }
        // A shown part that does not show the named byte is no value.
        QVERIFY(!bitsForExactValue(setting("tail_gain"), u"70 % (byte 161)"));
        QVERIFY(!bitsForExactValue(setting("tail_gain"), u"101 %"));
        QVERIFY(!bitsForExactValue(setting("tail_gain"), u"63 rpm"));
        QCOMPARE(bitsForExactValue(setting("tail_gain"), u"63"), std::uint8_t(160));
        QCOMPARE(bitsForExactValue(setting("heli_type"), u" pitch CONTROLLED "), std::uint8_t(1));
    }

    // Two random records: the list names exactly what differs, and nothing
    // when the records are equal.
    void listNamesExactlyWhatDiffers() {
        RandomRecords records(18);
        QByteArray before = records.next();
        for (int i = 0; i < 300; ++i) {
            const QByteArray after = records.next();
            const SetupDifferences differences = recordDifferences(before, after);
            QCOMPARE(withDifferencesApplied(before, differences), asRecord(after));
            for (const SettingChange& change : differences.settings) {
                QVERIFY(change.before != change.after);
            }
            QVERIFY(recordDifferences(after, after).isEmpty());
            before = after;
        }
    }

    // A setup and the setup read back from its saved file, for random records
    // and for the regression records loaded one after the other.
    void setupAndItsSavedFileDoNotDiffer() {
        QList<QByteArray> sources;
        for (const QString& path : regressionRecords()) {
            sources.append(fileBytes(path));
        }
        RandomRecords random(16);
        for (int i = 0; i < 200; ++i) {
            sources.append(random.next());
        }
        Setup setup;
        int loaded = 0;
        for (const QByteArray& record : sources) {
            const auto result = applyRecord(setup, record);
            if (std::holds_alternative<Refusal>(result)) {
                continue;
            }
            setup = std::get<Setup>(result);
            const auto reread = applyRecord(setup, recordOf(setup));
            QVERIFY(std::holds_alternative<Setup>(reread));
            const SetupDifferences differences = setupDifferences(setup, std::get<Setup>(reread));
            QVERIFY2(differences.isEmpty(), qPrintable(QString::number(loaded)));
            ++loaded;
        }
        QVERIFY(loaded > 150);
    }

    // A setting written into a loaded setup is what its save carries, and the
    // other settings stay, but for what the heli type takes along.
    void storedSettingsReachTheCollectedImage() {
        RandomRecords random(1604);
        Setup setup;
        int checked = 0;
        while (checked < 40) {
            const QByteArray record = random.next();
            const auto loaded = applyRecord(setup, record);
            if (std::holds_alternative<Refusal>(loaded)) {
                continue;
            }
            const Setup other = std::get<Setup>(loaded);
            const ParameterImage wanted = collectedImage(other);
            for (const SettingEntry& entry : settingCatalog()) {
                Setup edited = setup;
                storeSetting(edited, entry, settingBits(entry, wanted));
                const ParameterImage result = collectedImage(edited);
                const bool phaseWithoutPitch =
                    QLatin1String(entry.key) == "channel_phase" && edited.pitchMode != 1;
                QVERIFY2(phaseWithoutPitch ||
                             settingBits(entry, result) == settingBits(entry, wanted),
                         entry.key);
                for (const SettingEntry& kept : settingCatalog()) {
                    const bool takenAlong = QLatin1String(entry.key) == "heli_type" &&
                                            (QLatin1String(kept.key) == "main_motor" ||
                                             QLatin1String(kept.key) == "swashplate" ||
                                             QLatin1String(kept.key) == "channel_phase");
                    QVERIFY2(&kept == &entry || takenAlong ||
                                 settingBits(kept, result) ==
                                     settingBits(kept, collectedImage(setup)),
                             kept.key);
                }
            }
            setup = other;
            ++checked;
        }
    }

    // What the Compare dialog will meet: Tail Gain and one pitch-curve point
    // changed by hand, and a channel row.
    void editsShowUpAsTheirSettingAndCurve() {
        const auto result =
            applyRecord({}, fileBytes(QStringLiteral(RV_SOURCE_DIR "/data/Default.rvc")));
        const Setup original = std::get<Setup>(result);
        Setup edited = original;
        setSliderPosition(edited, *findSliderDefinition(u"tail_gain"), 70);
        (*edited.curves.at(Hover, 2))[4] = 150;
        edited.channels.reversed[ChannelAssignment::Roll] = true;

        const SetupDifferences differences = setupDifferences(original, edited);
        QCOMPARE(differences.settings.size(), std::size_t(2));
        QCOMPARE(differences.settings[0].setting->key, "tail_gain");
        QCOMPARE(differences.settings[0].after, QStringLiteral("70 %"));
        QCOMPARE(differences.channelRows().size(), std::size_t(1));
        QVERIFY(differences.channelRows()[0].after.endsWith(QLatin1String("reversed")));
        QCOMPARE(differences.curves.size(), std::size_t(1));
        QCOMPARE(differences.curves[0].phase, int(Hover));
        QCOMPARE(differences.curves[0].curveIndex, 2);
        QVERIFY(differences.unshownEntries.empty() && !differences.commentDiffers);
    }
};

RV_TEST_APPLESS_MAIN(TestSetupDifference)
#include "test_setup_difference.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The translations kept in step with the sources: lupdate run on the sources
// into a scratch copy of the .ts files must find every text translated, none
// vanished or obsolete, and the desktop entry and the metainfo must say what
// the .ts files say.
#include "core/settings/ProgramLanguage.h"
#include "support/test_main.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    QString type;             // empty when finished
};

QList<Message> readTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                messages << current;
            }
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            if (xml.attributes().value(QLatin1String("numerus")).isEmpty()) {
                // A plural entry holds <numerusform> children instead of text.
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (!text.trimmed().isEmpty() || current.translations.isEmpty()) {
                    current.translations = {text};
                }
            }
        } else if (name == QLatin1String("numerusform")) {
            if (current.translations.size() == 1 && current.translations.first().isEmpty()) {
                current.translations.clear();
            }
            current.translations << xml.readElementText();
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    }
    return messages;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

// Every translations/rotavionix-control_<code>.ts, a new language's too.
QStringList tsFiles() {
    QStringList files;
    const QDir folder(QStringLiteral(RV_SOURCE_DIR "/translations"));
    for (const QString& name :
         folder.entryList({QStringLiteral("rotavionix-control_*.ts")}, QDir::Files)) {
        files << folder.filePath(name);
    }
    return files;
}

QString codeOf(const QString& tsFile) {
    return QFileInfo(tsFile).completeBaseName().section(QLatin1Char('_'), 1);
}

// The translations of one context: English text to the (first) translation.
QMap<QString, QString> translationsIn(const QString& tsFile, const QString& context) {
    QMap<QString, QString> translated;
    for (const Message& message : readTs(tsFile)) {
        if (message.context == context) {
            translated.insert(message.source, message.translations.value(0));
        }
    }
    return translated;
}

// The only file under packaging/ whose name ends in `suffix`.
QString packagingFile(const QString& suffix) {
    const QDir folder(QStringLiteral(RV_SOURCE_DIR "/packaging"));
    const QStringList names = folder.entryList({QLatin1Char('*') + suffix}, QDir::Files);
    if (names.size() != 1) {
        qFatal("not one packaging/*%s", qPrintable(suffix));
    }
    return folder.filePath(names.first());
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lupdateFindsEveryTextTranslated() {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        QStringList arguments{QStringLiteral("-locations"), QStringLiteral("none"),
                              // Headers by the path the sources include them
                              // with, or a class loses its namespace.
                              QStringLiteral("-I"), QStringLiteral(RV_SOURCE_DIR "/src"),
                              QStringLiteral(RV_SOURCE_DIR "/src"),
                              QStringLiteral(RV_SOURCE_DIR "/app"),
                              QStringLiteral(RV_SOURCE_DIR "/packaging"), QStringLiteral("-ts")};
        const QStringList files = tsFiles();
        QVERIFY(files.size() >= 2);
        for (const QString& file : files) {
            const QString copy = scratch.filePath(QFileInfo(file).fileName());
            QVERIFY(QFile::copy(file, copy));
            arguments << copy;
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(RV_LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(-1));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAllStandardError().constData());

        bool plural = false;
        for (const QString& file : files) {
            const QString language = codeOf(file);
            const QList<Message> messages = readTs(scratch.filePath(QFileInfo(file).fileName()));
            QVERIFY(messages.size() > 200);
            for (const Message& message : messages) {
                const QString where =
                    QStringLiteral("%1 %2: \"%3\"").arg(language, message.context, message.source);
                // unfinished: new or changed in the sources; vanished/obsolete: gone from them.
                QVERIFY2(message.type.isEmpty(),
                         qPrintable(message.type + QLatin1Char(' ') + where));
                QVERIFY2(!message.translations.isEmpty(), qPrintable(where));
                plural = plural || message.source.contains(QLatin1String("%n"));
                for (const QString& translation : message.translations) {
                    QVERIFY2(!translation.isEmpty(), qPrintable(where));
                    QCOMPARE(placeholders(translation), placeholders(message.source));
                }
            }
        }
        QVERIFY(plural);
    }

    // A count picks the plural form of the language; English needs no translation for it.
    void countsTakeTheirPluralForm() {
        const auto more = [](int n) {
            return QCoreApplication::translate("rv::RangeWarning", "... and %n more", nullptr, n);
        };
        QCOMPARE(more(1), QStringLiteral("... and 1 more"));
        {
            const rv::ProgramTranslation german(rv::German);
            QVERIFY(german.loaded());
            QCOMPARE(more(1), QStringLiteral("... und 1 weiterer"));
            QCOMPARE(more(3), QStringLiteral("... und 3 weitere"));
        }
        const rv::ProgramTranslation french(rv::French);
        QCOMPARE(QCoreApplication::translate(
                     "rv::TransferHistory",
                     "The file holds %n bytes, not the %1 of a parameter file.", nullptr, 1)
                     .arg(1571),
                 QString::fromUtf8("Le fichier contient 1 octet, et non les 1571 d'un fichier de "
                                   "paramètres."));
    }

    // Its German and French keys are the translations of its English ones.
    void desktopEntryReadsAsTheTranslations() {
        QFile file(packagingFile(QStringLiteral(".desktop")));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QString> keys;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0) {
                keys.insert(line.left(equals), line.mid(equals + 1));
            }
        }
        int checked = 0;
        for (const QString& file : tsFiles()) {
            const QString language = codeOf(file);
            const QMap<QString, QString> translated =
                translationsIn(file, QStringLiteral("DesktopEntry"));
            for (auto key = keys.cbegin(); key != keys.cend(); ++key) {
                const QString suffix = QLatin1Char('[') + language + QLatin1Char(']');
                if (!key.key().endsWith(suffix)) {
                    continue;
                }
                const QString english = keys.value(key.key().chopped(suffix.size()));
                QVERIFY2(translated.contains(english), qPrintable(english));
                QCOMPARE(key.value(), translated.value(english));
                ++checked;
            }
        }
        QVERIFY(checked >= 2);
    }

    // Its name and summary in German and French are their translations, and
    // every language has its summary.
    void metainfoReadsAsTheTranslations() {
        QFile file(packagingFile(QStringLiteral(".metainfo.xml")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QMap<QString, QMap<QString, QString>> texts; // element, then language ("" for English)
        QXmlStreamReader xml(&file);
        int depth = 0; // the component is 1, its name and summary 2
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement()) {
                --depth;
            } else if (xml.isStartElement() && ++depth == 2 &&
                       (xml.name() == QLatin1String("name") ||
                        xml.name() == QLatin1String("summary"))) {
                const QString element = xml.name().toString();
                const QString language =
                    xml.attributes().value(QLatin1String("xml:lang")).toString();
                texts[element].insert(language, xml.readElementText());
                --depth;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        for (const QString& tsFile : tsFiles()) {
            const QString language = codeOf(tsFile);
            const QMap<QString, QString> translated =
                translationsIn(tsFile, QStringLiteral("Metainfo"));
            QVERIFY2(texts.value(QStringLiteral("summary")).contains(language),
                     qPrintable(language));
            for (auto element = texts.cbegin(); element != texts.cend(); ++element) {
                if (!element->contains(language)) {
                    continue; // the same in every language, as the program's name
                }
                const QString english = element->value(QString());
                QVERIFY2(translated.contains(english), qPrintable(english));
                QCOMPARE(element->value(language), translated.value(english));
            }
        }
    }
};

RV_TEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"

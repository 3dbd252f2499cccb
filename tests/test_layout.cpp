// SPDX-License-Identifier: GPL-3.0-or-later
// The source tree's shape: folders by feature, includes in one direction.
// A newcomer relies on docs/architecture.md; these checks keep it true.
#include "support/test_main.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <functional>

namespace {

const QString sourceRoot = QStringLiteral(RV_SOURCE_DIR);

// Every .h and .cpp below a folder of the project, as paths relative to it.
QStringList sourceFiles(const QString& folder) {
    QStringList files;
    QDirIterator it(sourceRoot + QLatin1Char('/') + folder,
                    {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(sourceRoot).relativeFilePath(it.next());
    files.sort();
    return files;
}

QString fileText(const QString& relative) {
    QFile file(sourceRoot + QLatin1Char('/') + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The project's own includes of a file, as written ("core/model/Setup.h").
QStringList projectIncludes(const QString& relative) {
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    QStringList found;
    auto matches = include.globalMatch(fileText(relative));
    while (matches.hasNext())
        found << matches.next().captured(1);
    return found;
}

QString folderOf(const QString& path) {
    return path.section(QLatin1Char('/'), 0, -2);
}

// The folder graph of src/: which folder includes from which.
QMap<QString, QSet<QString>> folderGraph() {
    QMap<QString, QSet<QString>> graph;
    for (const QString& file : sourceFiles(QStringLiteral("src"))) {
        const QString from = folderOf(file.mid(4));
        graph[from];
        for (const QString& include : projectIncludes(file)) {
            if (!QFile::exists(sourceRoot + QStringLiteral("/src/") + include))
                continue;
            const QString to = folderOf(include);
            if (to != from)
                graph[from].insert(to);
        }
    }
    return graph;
}

// A cycle through the graph as "a -> b -> a", or empty when there is none.
QString findCycle(const QMap<QString, QSet<QString>>& graph) {
    QMap<QString, int> state; // 1: on the current path, 2: done
    QStringList path;
    std::function<QString(const QString&)> visit = [&](const QString& node) -> QString {
        state[node] = 1;
        path << node;
        for (const QString& next : graph.value(node)) {
            if (state.value(next) == 1)
                return (path.mid(path.indexOf(next)) << next).join(QStringLiteral(" -> "));
            if (state.value(next) == 0) {
                const QString cycle = visit(next);
                if (!cycle.isEmpty())
                    return cycle;
            }
        }
        path.removeLast();
        state[node] = 2;
        return {};
    };
    for (auto it = graph.cbegin(); it != graph.cend(); ++it) {
        if (state.value(it.key()) == 0) {
            const QString cycle = visit(it.key());
            if (!cycle.isEmpty())
                return cycle;
        }
    }
    return {};
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sourcesSitInFeatureFoldersOfModestSize() {
        QMap<QString, int> cppFiles;
        for (const QString& file : sourceFiles(QStringLiteral("src"))) {
            const QString folder = folderOf(file);
            QVERIFY2(folder != QLatin1String("src/core") && folder != QLatin1String("src/ui"),
                     qPrintable(file + QStringLiteral(" belongs in a feature folder")));
            QVERIFY2(folder.startsWith(QLatin1String("src/core/")) ||
                         folder.startsWith(QLatin1String("src/ui/")),
                     qPrintable(file + QStringLiteral(" is neither core nor ui")));
            if (file.endsWith(QLatin1String(".cpp")))
                ++cppFiles[folder];
        }
        for (auto it = cppFiles.cbegin(); it != cppFiles.cend(); ++it)
            QVERIFY2(it.value() <= 20,
                     qPrintable(it.key() + QStringLiteral(" has too many files")));
    }

    void foldersIncludeInOneDirection() {
        const auto graph = folderGraph();
        const QString cycle = findCycle(graph);
        QVERIFY2(cycle.isEmpty(), qPrintable(QStringLiteral("include cycle: ") + cycle));
    }

    // The core, the command-line tool and the fuzz target run without widgets.
    void onlyTheWindowIncludesTheUi() {
        QStringList files = sourceFiles(QStringLiteral("src/core"));
        files << sourceFiles(QStringLiteral("app/cli")) << sourceFiles(QStringLiteral("fuzz"));
        for (const QString& file : files) {
            for (const QString& include : projectIncludes(file))
                QVERIFY2(!include.startsWith(QLatin1String("ui/")),
                         qPrintable(file + QStringLiteral(" includes ") + include));
        }
    }

    void theArchitecturePageNamesEveryFolder() {
        const QString page = fileText(QStringLiteral("docs/architecture.md"));
        QVERIFY(!page.isEmpty());
        QSet<QString> folders;
        for (const QString& file : sourceFiles(QStringLiteral("src")))
            folders.insert(folderOf(file));
        for (const QString& folder : folders)
            QVERIFY2(page.contains(QLatin1Char('`') + folder + QLatin1Char('/')),
                     qPrintable(QStringLiteral("docs/architecture.md does not name ") + folder));
    }

    // Start-up stays plain Qt: no private style images, no hand-loaded modules.
    void noStartupWorkarounds() {
        static const QStringList banned{
            QStringLiteral("ApplicationStyle"), QStringLiteral("FontConfigWarmUp"),
            QStringLiteral("PrintModule"),      QStringLiteral("dlopen"),
            QStringLiteral("QLibrary"),         QStringLiteral("extern \"C\""),
            QStringLiteral("FcInit"),           QStringLiteral("fontconfig")};
        QStringList files = sourceFiles(QStringLiteral("src"));
        files << sourceFiles(QStringLiteral("app"));
        for (const QString& file : files) {
            const QString text = fileText(file);
            for (const QString& word : banned) {
                // Whole words: QLibraryInfo is plain Qt.
                const QRegularExpression use(
                    QStringLiteral("\\b%1(?!\\w)").arg(QRegularExpression::escape(word)));
                QVERIFY2(!text.contains(use), qPrintable(file + QStringLiteral(" uses ") + word));
            }
        }
    }
};

RV_TEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_main.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include <cstdio>
#include <vector>

#ifdef RV_TEST_WIDGETS
#include <QApplication>
#endif

namespace rv::test {

namespace {
std::vector<RegisteredTest>& registeredTests() {
    static std::vector<RegisteredTest> tests;
    return tests;
}

QString nameOf(const RegisteredTest& test) {
    return QFileInfo(QString::fromLocal8Bit(test.sourceFile)).completeBaseName();
}

int run(const RegisteredTest& test, int argc, char** argv) {
    const std::unique_ptr<QObject> object = test.make();
    QTest::setMainSourcePath(test.sourceFile, QT_TESTCASE_BUILDDIR);
    return QTest::qExec(object.get(), argc, argv);
}
} // namespace

bool registerTest(const RegisteredTest& test) {
    registeredTests().push_back(test);
    return true;
}

int runRegisteredTest(int argc, char** argv) {
    const QString wanted = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const RegisteredTest& test : registeredTests()) {
        if (nameOf(test) != wanted) {
            continue;
        }
        // Qt Test sees the program as the test: argv[1] stands in for argv[0].
        int testArgc = argc - 1;
        char** testArgv = argv + 1;
        switch (test.application) {
        case TestApplication::None:
            return run(test, testArgc, testArgv);
        case TestApplication::Core: {
            QCoreApplication application(testArgc, testArgv);
            return run(test, testArgc, testArgv);
        }
        case TestApplication::Graphical: {
#ifdef RV_TEST_WIDGETS
            QApplication application(testArgc, testArgv);
            QApplication::setAttribute(Qt::AA_Use96Dpi, true);
            return run(test, testArgc, testArgv);
#else
            std::fprintf(stderr, "%s needs the window's test program\n", argv[1]);
            return 2;
#endif
        }
        }
    }
    std::fprintf(stderr, "Usage: %s TEST [Qt Test options]\nTests:\n", argv[0]);
    for (const RegisteredTest& test : registeredTests()) {
        std::fprintf(stderr, "  %s\n", qPrintable(nameOf(test)));
    }
    return 2;
}

} // namespace rv::test

int main(int argc, char** argv) {
    return rv::test::runRegisteredTest(argc, argv);
}

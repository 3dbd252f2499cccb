// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tests are linked into two programs, one for the core and one for the
// window, each holding many Qt Test classes: linking and moc'ing each class
// as a program of its own cost most of a build. CTest runs every class as a
// test of its own, in a process of its own: `<program> test_name [qtest options]`.

#include <QObject>

#include <memory>

namespace rv::test {

enum class TestApplication {
    None,     // no application object
    Core,     // QCoreApplication
    Graphical // QApplication, for widgets
};

struct RegisteredTest {
    const char* sourceFile; // its stem is the test's name
    TestApplication application;
    std::unique_ptr<QObject> (*make)();
};

bool registerTest(const RegisteredTest& test);
// Runs the test argv[1] names with the remaining arguments; lists the tests
// when none is named.
int runRegisteredTest(int argc, char** argv);

} // namespace rv::test

#define RV_TEST_REGISTER(TestClass, kind)                                                          \
    namespace {                                                                                    \
    const bool registered##TestClass = ::rv::test::registerTest(                                   \
        {__FILE__, ::rv::test::TestApplication::kind,                                              \
         []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); }});             \
    }

#define RV_TEST_APPLESS_MAIN(TestClass) RV_TEST_REGISTER(TestClass, None)
#define RV_TEST_GUILESS_MAIN(TestClass) RV_TEST_REGISTER(TestClass, Core)
#define RV_TEST_MAIN(TestClass) RV_TEST_REGISTER(TestClass, Graphical)

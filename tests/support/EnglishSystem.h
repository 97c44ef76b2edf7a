#pragma once

#include <QTest>

// Runs a test program as on an English-speaking system, whose language is
// not the program's: `App` is the application object the test needs.
template <typename App, typename Test>
int runOnAnEnglishSystem(int argc, char* argv[])
{
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANGUAGE", "en_US");
    App app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

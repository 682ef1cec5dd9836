// GoogleTest main for tests that need a QGuiApplication (QDesktopServices).
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests run in a child started afresh, which also builds an application.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

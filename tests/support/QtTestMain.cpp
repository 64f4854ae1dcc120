#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need an application object; they run on the offscreen
// platform unless a test run asks for another (test discovery included).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

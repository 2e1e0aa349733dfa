// Every test executable runs with a QApplication, so that window tests can create widgets.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Headless unless a display is asked for explicitly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

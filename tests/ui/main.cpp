// The main of ui_tests: a QApplication prepared as the program prepares it, then GoogleTest.

#include <QApplication>

#include <gtest/gtest.h>

#include "app/appsetup.h"

int main(int argc, char **argv)
{
    // Test discovery runs this program while building, where no display may be reachable.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kubato::prepareApplication(app);
    // A test that closes the main window must not end the event loops of the tests after it.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

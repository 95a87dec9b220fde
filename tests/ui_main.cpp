// Entry point of the UI tests: one QApplication on the offscreen platform for all tests.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/LookAndFeel.h"
#include "app/ReportingApplication.h"
#include "resources/Resources.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    ReportingApplication app(argc, argv);
    InstallLookAndFeel();
    InitVentaroResources();
    return RUN_ALL_TESTS();
}

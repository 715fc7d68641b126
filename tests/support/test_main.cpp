#include "support/testenv.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

// One-time allocations that Qt keeps until the process ends (the thread's default collator
// and its locale) are not leaks of this program; LeakSanitizer reads this list when it runs.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:QCollator::defaultCompare\nleak:QCollator::QCollator\nleak:QLocale::QLocale\n";
}

int main(int argc, char** argv) {
    // Test discovery runs this program outside ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    kvtest::SetUpProcessFolders();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new kvtest::TEnvironment);
    return RUN_ALL_TESTS();
}

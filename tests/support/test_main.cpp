// main() of every test program: a QApplication on the offscreen platform
// (unless a platform was chosen) with "." as the decimal separator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <clocale>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}

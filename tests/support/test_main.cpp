// main() of every test program: a QApplication on the offscreen platform
// (unless a platform was chosen) with "." as the decimal separator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <clocale>

#if defined(__SANITIZE_ADDRESS__)
// GCC 12's leak checker guesses the size of a dynamic TLS block from a
// header it expects before a page-aligned block; with glibc 2.36 the guess
// can read garbage, depending only on where the heap happens to lie, and its
// tracer then crashes at exit ("Tracer caught signal 11"). Not following
// dynamic TLS can only report more, never hide a leak of ours: ZENITA keeps
// nothing there.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
#endif

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

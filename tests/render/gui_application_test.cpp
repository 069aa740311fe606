// The application object behind fonts, made on demand; each case runs in a fresh process.
#include "render/gui_application.h"

#include <cstdlib>
#include <iostream>

#include <QGuiApplication>

#include <gtest/gtest.h>

#include "data/error.h"

namespace qv {
namespace {

TEST(GuiApplicationDeathTest, WithoutADisplayTheOffscreenPlatformIsUsed)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("QT_QPA_PLATFORM");
            EnsureGuiApplication();
            std::cerr << QGuiApplication::platformName().toStdString();
            std::exit(0);
        },
        testing::ExitedWithCode(0), "offscreen");
}

void EnsureUnderCoreApplication()
{
    int argc = 1;
    char name[] = "render_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication core(argc, argv);
    try {
        EnsureGuiApplication();
    } catch (const Error& e) {
        std::cerr << e.what();
        std::exit(3);
    }
    std::exit(0);
}

TEST(GuiApplicationDeathTest, APlainCoreApplicationIsRefused)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EnsureUnderCoreApplication(), testing::ExitedWithCode(3),
                "Schriften sind ohne grafische Anwendung nicht verfügbar.");
}

}  // namespace
}  // namespace qv

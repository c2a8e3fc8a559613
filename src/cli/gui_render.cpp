#include "cli/gui_render.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace korvo::cli {

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "korvo-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

std::optional<platform::Size> ParseSize(const std::string& text) {
    int w = 0, h = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &tail) != 2) return std::nullopt;
    if (w < 1 || h < 1 || w > 20000 || h > 20000) return std::nullopt;
    return platform::Size{w, h};
}

}  // namespace korvo::cli

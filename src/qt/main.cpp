// The chart program. The command line is ignored: nothing is opened at start.
#include <QApplication>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/main_controller.h"
#include "app/program_state.h"
#include "platform/clock.h"
#include "qt/main_window.h"
#include "qt/qt_launcher.h"
#include "qt/qt_prompts.h"

int main(int, char** argv) {
    using namespace korvo;
    std::error_code error;
    std::filesystem::path workingDirectory = std::filesystem::current_path(error);
    if (error) workingDirectory.clear();

    // The settings come before any window: without them the program ends
    // at once, silently.
    auto state = std::make_unique<app::ProgramState>();
    if (app::ReadStartSettings(*state, workingDirectory) != 0) return -1;

    // Qt sees the program's name only, so no argument can change anything.
    int argc = 1;
    char* arguments[] = {argv[0], nullptr};
    QApplication application(argc, arguments);

    qt::QtPrompts prompts(nullptr);
    qt::QtLauncher launcher;
    platform::SystemClock clock;
    int exitCode = 0;
    {
        qt::MainWindow window(*state, prompts, launcher, clock, workingDirectory);
        prompts.SetOwner(&window);
        window.showMaximized();
        exitCode = QApplication::exec();
        prompts.SetOwner(nullptr);
    }
    app::CleanUpWorkFiles(*state);
    return exitCode;
}

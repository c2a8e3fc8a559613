// korvosetup: the installer. Without arguments it opens its window; with
// --unattended ROOT it installs into ROOT/korvo without windows or questions.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "qt/qt_prompts.h"
#include "setup/setup_session.h"
#include "setup/unattended.h"
#include "setup/window/setup_window.h"

namespace {

int RunWindow(char* program) {
    using namespace korvo;
    int argc = 1;
    char* arguments[] = {program, nullptr};
    QApplication application(argc, arguments);
    qt::QtPrompts prompts(nullptr);
    setup::SystemVolumes volumes;
    setup::SetupSession session(setup::SetupEnvironment::FromProcess(), volumes, prompts);
    setup::SetupWindow window(session, prompts);
    prompts.SetOwner(&window);
    window.showMaximized();
    const int code = QApplication::exec();
    prompts.SetOwner(nullptr);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace korvo::setup;
    if (argc == 1) return RunWindow(argv[0]);
    if (argc == 3 && std::strcmp(argv[1], "--unattended") == 0) {
        SystemVolumes volumes;
        return RunUnattended(argv[2], SetupEnvironment::FromProcess(), volumes, std::cerr);
    }
    std::cerr << "usage: korvosetup [--unattended ROOT]\n"
                 "  without arguments: the installer's window\n"
                 "  --unattended ROOT: install ROOT/korvo as if ROOT were chosen in the drive "
                 "dialog and OK pressed; messages go to standard error\n";
    return 2;
}

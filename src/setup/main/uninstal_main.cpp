// uninstal: removes the installation it lies in, after asking.
#include <QApplication>
#include <filesystem>
#include <system_error>

#include "qt/qt_prompts.h"
#include "setup/setup_session.h"
#include "setup/setup_texts.h"
#include "setup/uninstall.h"

int main(int, char** argv) {
    using namespace korvo;
    std::error_code ec;
    const std::filesystem::path folder =
        std::filesystem::canonical("/proc/self/exe", ec).parent_path();
    int argc = 1;
    char* arguments[] = {argv[0], nullptr};
    QApplication application(argc, arguments);
    qt::QtPrompts prompts(nullptr);
    if (ec || prompts.ShowMessage(setup::kUninstallQuestion, setup::kUninstallCaption,
                                  platform::Buttons::YesNo,
                                  platform::Icon::Question) != platform::Answer::Yes)
        return 1;
    const auto menu = setup::MakeMenu(setup::SetupEnvironment::FromProcess());
    const setup::UninstallResult result = setup::Uninstall(folder, menu.get());
    const std::string text = result.folderRemoved
                                 ? std::string(setup::kUninstallDone)
                                 : setup::FillIn(setup::kUninstallFolderKept, folder.string());
    prompts.ShowMessage(text, setup::kUninstallCaption, platform::Buttons::Ok,
                        platform::Icon::Information);
    return 0;
}

#include "setup/setup_session.h"

#include <cstdlib>
#include <system_error>

#include "setup/setup_texts.h"

namespace korvo::setup {

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
}

const char* OrNull(const std::optional<std::string>& value) {
    return value ? value->c_str() : nullptr;
}

std::unique_ptr<FreedesktopMenu> MakeMenuOrTell(const SetupEnvironment& environment,
                                                platform::Prompts& prompts) {
    auto menu = MakeMenu(environment);
    if (!menu)
        prompts.ShowMessage(kGroupNotCreated, kGroupNotCreatedCaption, platform::Buttons::Ok,
                            platform::Icon::None);
    return menu;
}

}  // namespace

SetupEnvironment SetupEnvironment::FromProcess() {
    std::error_code ec;
    std::filesystem::path current = std::filesystem::current_path(ec);
    return SetupEnvironment{Variable("HOME"), Variable("XDG_DATA_HOME"),
                            Variable("XDG_CONFIG_HOME"), ec ? std::filesystem::path() : current};
}

std::unique_ptr<FreedesktopMenu> MakeMenu(const SetupEnvironment& environment) {
    const auto places = MenuPlacesFrom(OrNull(environment.dataHome), OrNull(environment.configHome),
                                       OrNull(environment.home));
    if (!places) return nullptr;
    return std::make_unique<FreedesktopMenu>(*places);
}

SetupSession::SetupSession(const SetupEnvironment& environment, VolumeQueries& volumes,
                           platform::Prompts& prompts)
    : environment_(environment),
      volumes_(volumes),
      menu_(MakeMenuOrTell(environment, prompts)),
      conversation_(menu_.get()) {}

DriveChoice SetupSession::MakeDriveChoice(platform::Prompts& prompts) const {
    return DriveChoice(volumes_, prompts, environment_.home.value_or(std::string()),
                       environment_.currentDirectory);
}

}  // namespace korvo::setup

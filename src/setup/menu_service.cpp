#include "setup/menu_service.h"

#include "setup/group_command.h"

namespace korvo::setup {

GroupConversation::GroupConversation(MenuService* service)
    : server_(service && service->Answers() ? service : nullptr) {}

void GroupConversation::CreateProgramGroup(const std::string& folder) {
    if (!server_) return;
    // The menu system's answer changes nothing: the files are installed either way.
    server_->Execute(BuildGroupCommand(folder));
    server_ = nullptr;
}

}  // namespace korvo::setup

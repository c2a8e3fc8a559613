// The conversation with the desktop's menu system that makes the program
// group. The installer asks at start whether a menu system answers; after a
// finished installation it sends the group's execute string, if one did.
#pragma once

#include <string>
#include <string_view>

namespace korvo::setup {

class MenuService {
  public:
    virtual ~MenuService() = default;
    // Whether the menu system answers at all.
    virtual bool Answers() = 0;
    // Carries out an execute string; whether every command was done.
    virtual bool Execute(std::string_view commands) = 0;
};

class GroupConversation {
  public:
    // Opens the conversation; `service` may be null (no menu system at all).
    explicit GroupConversation(MenuService* service);

    bool HasServer() const { return server_ != nullptr; }
    // Sends the program group for the installation folder and ends the
    // conversation. Without a server nothing happens.
    void CreateProgramGroup(const std::string& folder);

  private:
    MenuService* server_ = nullptr;
};

}  // namespace korvo::setup

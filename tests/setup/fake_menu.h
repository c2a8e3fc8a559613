// A menu system that answers or not, and keeps what it was asked to do.
#pragma once

#include <string>
#include <vector>

#include "setup/menu_service.h"

namespace korvo::setup::test {

class FakeMenu : public MenuService {
  public:
    explicit FakeMenu(bool answers) : answers_(answers) {}
    bool Answers() override { return answers_; }
    bool Execute(std::string_view commands) override {
        executed.emplace_back(commands);
        return true;
    }
    std::vector<std::string> executed;

  private:
    bool answers_;
};

}  // namespace korvo::setup::test

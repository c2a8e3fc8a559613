// A user who answers a command's questions and picks the files as given on the
// command line; plain messages, and questions past the given answers, go to the
// usual prompts (printed to standard error, answered cautiously).
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "platform/scripted_prompts.h"

namespace korvo::cli {

class CommandLineUser : public platform::Prompts {
  public:
    CommandLineUser(platform::ScriptedPrompts& inner, std::ostream& err,
                    std::deque<platform::Answer> answers, std::optional<std::string> openFile,
                    std::optional<std::string> saveAs)
        : inner_(inner),
          err_(err),
          answers_(std::move(answers)),
          openFile_(std::move(openFile)),
          saveAs_(std::move(saveAs)) {}

    platform::Answer ShowMessage(const std::string& text, const std::string& caption,
                                 platform::Buttons buttons, platform::Icon icon) override;
    std::optional<std::string> OpenFile(const platform::FileDialogRequest&) override {
        return openFile_;
    }
    std::optional<std::string> SaveFile(const platform::FileDialogRequest&) override {
        return saveAs_;
    }
    std::optional<platform::Colour> PickColour(platform::Colour preset,
                                               platform::CustomColours& custom) override {
        return inner_.PickColour(preset, custom);
    }
    void Beep() override { inner_.Beep(); }

  private:
    platform::ScriptedPrompts& inner_;
    std::ostream& err_;
    std::deque<platform::Answer> answers_;
    std::optional<std::string> openFile_;
    std::optional<std::string> saveAs_;
};

}  // namespace korvo::cli

// Prompts shown as real dialogs owned by the main window.
#pragma once

#include <QWidget>

#include "platform/prompts.h"

namespace korvo::qt {

class QtPrompts : public platform::Prompts {
public:
    explicit QtPrompts(QWidget* owner) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    platform::Answer ShowMessage(const std::string& text, const std::string& caption,
                                 platform::Buttons buttons, platform::Icon icon) override;
    std::optional<std::string> OpenFile(const platform::FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const platform::FileDialogRequest& request) override;
    std::optional<platform::Colour> PickColour(platform::Colour preset,
                                               platform::CustomColours& custom) override;
    void Beep() override;

private:
    QWidget* owner_;
};

// "Data Files(*.stk);;All Files(*.*)" from the filter list.
QString FilterString(const std::vector<platform::FileFilter>& filters);

}  // namespace korvo::qt

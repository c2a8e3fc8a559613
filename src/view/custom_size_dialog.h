// The custom size dialog Dialog6: both size factors in percent. OK refuses a
// size above 300 % (and one below 1 %, which would leave no chart to draw) and
// keeps the dialog open; an accepted size becomes the size in force and the
// custom size.
#pragma once

#include <string>

#include "platform/prompts.h"
#include "view/view_state.h"

namespace korvo::view {

class CustomSizeDialog {
  public:
    static constexpr const char* kName = "Dialog6";
    static constexpr const char* kTitle = "拡大縮小サイズ設定";
    static constexpr const char* kWidthLabel = "横幅";
    static constexpr const char* kHeightLabel = "縦長";
    static constexpr int kWidthControl = 601;
    static constexpr int kHeightControl = 602;
    // A box is read as at most this many characters.
    static constexpr std::size_t kBoxChars = 20;
    static constexpr float kMaxFactor = 3.0f;
    static constexpr const char* kTooLargeText = "Max size upto 300 percent";
    static constexpr const char* kTooSmallText = "Min size 1 percent";
    static constexpr const char* kWarningCaption = "Warning";

    struct Fields {
        std::string width;
        std::string height;
    };

    CustomSizeDialog(ViewState& view, platform::Prompts& prompts)
        : view_(view), prompts_(prompts) {}

    // The factors in force, in whole percent; a factor of 0 or less is first
    // set to 1.0.
    Fields Current();
    // OK: true when the size was taken (the dialog closes); false after the
    // message (the dialog stays open and nothing changes).
    bool Accept(const Fields& fields);
    // Either factor above 1.0 was entered: both scroll bars are to be shown.
    bool ScrollBarsWanted() const { return scrollBarsWanted_; }

  private:
    ViewState& view_;
    platform::Prompts& prompts_;
    bool scrollBarsWanted_ = false;
};

}  // namespace korvo::view

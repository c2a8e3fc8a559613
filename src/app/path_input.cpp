#include "app/path_input.h"

namespace korvo::app {

std::optional<std::string> PathInputLogic::Browse() {
    platform::FileDialogRequest request;
    request.filters = {{"Data Files(*.exe)", "*"}};
    request.mustExist = true;
    return prompts_.OpenFile(request);
}

std::optional<std::string> PathInputLogic::Accept(std::string_view text) {
    if (text.empty()) {
        prompts_.ShowMessage("ファイル・パスを記入してください", " メッセージ",
                             platform::Buttons::Ok, platform::Icon::None);
        return std::nullopt;
    }
    return std::string(text);
}

}  // namespace korvo::app

#include "cli/command_line_user.h"

namespace korvo::cli {

platform::Answer CommandLineUser::ShowMessage(const std::string& text, const std::string& caption,
                                              platform::Buttons buttons, platform::Icon icon) {
    if (buttons == platform::Buttons::Ok || answers_.empty())
        return inner_.ShowMessage(text, caption, buttons, icon);
    const platform::Answer answer = answers_.front();
    answers_.pop_front();
    err_ << "[" << caption << "] " << text << " -> " << platform::ToString(answer) << "\n";
    return answer;
}

}  // namespace korvo::cli

#include "platform/scripted_prompts.h"

namespace korvo::platform {

Answer ScriptedPrompts::ShowMessage(const std::string& text, const std::string& caption,
                                    Buttons buttons, Icon icon) {
    Answer answer = Answer::Ok;
    if (buttons != Buttons::Ok) {
        answer = CautiousAnswer(buttons);
        if (!answers_.empty()) {
            const Answer next = answers_.front();
            answers_.pop_front();
            if (IsOffered(buttons, next)) answer = next;
        }
    }
    messages_.push_back(RecordedMessage{text, caption, buttons, icon, answer});
    if (sink_) sink_(messages_.back());
    return answer;
}

std::optional<std::string> ScriptedPrompts::NextFile(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    if (files_.empty()) return std::nullopt;
    auto path = std::move(files_.front());
    files_.pop_front();
    return path;
}

std::optional<std::string> ScriptedPrompts::OpenFile(const FileDialogRequest& request) {
    return NextFile(request);
}

std::optional<std::string> ScriptedPrompts::SaveFile(const FileDialogRequest& request) {
    return NextFile(request);
}

std::optional<Colour> ScriptedPrompts::PickColour(Colour preset, CustomColours& /*custom*/) {
    colourPresets_.push_back(preset);
    if (colours_.empty()) return std::nullopt;
    const auto colour = colours_.front();
    colours_.pop_front();
    return colour;
}

void ScriptedPrompts::Clear() {
    messages_.clear();
    fileRequests_.clear();
    colourPresets_.clear();
    beeps_ = 0;
}

}  // namespace korvo::platform

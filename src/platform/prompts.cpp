#include "platform/prompts.h"

namespace korvo::platform {

bool IsOffered(Buttons buttons, Answer answer) {
    switch (buttons) {
        case Buttons::Ok: return answer == Answer::Ok;
        case Buttons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
        case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
        case Buttons::YesNoCancel:
            return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
        case Buttons::RetryCancel: return answer == Answer::Retry || answer == Answer::Cancel;
    }
    return false;
}

Answer CautiousAnswer(Buttons buttons) {
    if (IsOffered(buttons, Answer::Cancel)) return Answer::Cancel;
    if (IsOffered(buttons, Answer::No)) return Answer::No;
    return Answer::Ok;
}

std::string ToString(Answer answer) {
    switch (answer) {
        case Answer::Ok: return "ok";
        case Answer::Cancel: return "cancel";
        case Answer::Yes: return "yes";
        case Answer::No: return "no";
        case Answer::Retry: return "retry";
    }
    return "?";
}

std::string ToString(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return "ok";
        case Buttons::OkCancel: return "ok-cancel";
        case Buttons::YesNo: return "yes-no";
        case Buttons::YesNoCancel: return "yes-no-cancel";
        case Buttons::RetryCancel: return "retry-cancel";
    }
    return "?";
}

std::string ToString(Icon icon) {
    switch (icon) {
        case Icon::None: return "none";
        case Icon::Stop: return "stop";
        case Icon::Exclamation: return "exclamation";
        case Icon::Question: return "question";
        case Icon::Information: return "information";
    }
    return "?";
}

std::optional<Answer> ParseAnswer(const std::string& text) {
    for (Answer a : {Answer::Ok, Answer::Cancel, Answer::Yes, Answer::No, Answer::Retry}) {
        if (ToString(a) == text) return a;
    }
    return std::nullopt;
}

}  // namespace korvo::platform

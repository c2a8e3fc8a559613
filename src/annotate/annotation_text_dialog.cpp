#include "annotate/annotation_text_dialog.h"

#include "annotate/phrase_list.h"
#include "annotate/save_annotation.h"
#include "platform/codec.h"

namespace korvo::annotate {

namespace {

bool HasVisibleCharacter(std::string_view text) {
    return text.find_first_not_of("\t\r\n") != std::string_view::npos;
}

}  // namespace

AnnotationTextDialog::AnnotationTextDialog(AnnotationState& state,
                                           const std::filesystem::path& startDirectory,
                                           platform::Prompts& prompts)
    : state_(state), prompts_(prompts), phrases_(ReadPhrases(startDirectory)) {}

bool AnnotationTextDialog::InitiallyChecked(int control) const {
    switch (control) {
        case kArrowControl:
            return state_.withArrow;
        case kCentreControl:
            return state_.centred;
        case kLineOnlyControl:
            return state_.lineOnly;
        case kSavePhraseControl:
            return state_.savePhrase;
        default:
            return false;
    }
}

bool AnnotationTextDialog::Accept(const Choices& c) {
    if (!HasVisibleCharacter(c.text) && !c.lineOnly) {
        prompts_.ShowMessage(kNoTextText, kMessageCaption, platform::Buttons::Ok,
                             platform::Icon::Exclamation);
        return false;
    }
    const auto stored = StoredText(c.text);
    if (!stored) {
        prompts_.ShowMessage(kBadCharacterText, kMessageCaption, platform::Buttons::Ok,
                             platform::Icon::Exclamation);
        return false;
    }
    state_.annotationText = platform::Cp932ToUtf8Lossy(*stored);
    state_.withArrow = c.withArrow;
    state_.centred = c.centred;
    state_.lineOnly = c.lineOnly;
    state_.savePhrase = c.savePhrase;
    return true;
}

}  // namespace korvo::annotate

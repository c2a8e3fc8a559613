// The text dialog DIALOG51 of the write command: the text (combo box 7451,
// its list the phrases of finsert.chr) and four check boxes: 271 with an
// arrow, 272 centred, 274 a line without text, 273 keep the text as a phrase.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "annotate/annotation_state.h"
#include "platform/prompts.h"

namespace korvo::annotate {

class AnnotationTextDialog {
  public:
    static constexpr const char* kName = "DIALOG51";
    static constexpr const char* kTitle = "文字書き込み";
    static constexpr const char* kTextLabel = "表示語句 (max. 80 letters)";
    static constexpr const char* kNote = "（メモ）新規書込みは、ﾄﾞﾛｯﾌﾟﾀﾞｳﾝﾒﾆｭｰを消してから記入";
    static constexpr int kTextControl = 7451;
    static constexpr int kArrowControl = 271;
    static constexpr int kCentreControl = 272;
    static constexpr int kSavePhraseControl = 273;
    static constexpr int kLineOnlyControl = 274;
    struct CheckBox {
        int control;
        const char* label;
    };
    // In the order the dialog shows them.
    static constexpr std::array<CheckBox, 4> kCheckBoxes = {{{kArrowControl, "矢印付き"},
                                                             {kCentreControl, "ｾﾝﾀﾘﾝｸﾞ"},
                                                             {kLineOnlyControl, "ライン・線書込み"},
                                                             {kSavePhraseControl, "語句保存"}}};
    static constexpr const char* kNoTextText = "表示語句を入力してください。";
    static constexpr const char* kBadCharacterText = "表示語句に書込みできない文字があります。";
    static constexpr const char* kMessageCaption = "メッセージ";

    // Reads the phrase list of the start directory.
    AnnotationTextDialog(AnnotationState& state, const std::filesystem::path& startDirectory,
                         platform::Prompts& prompts);

    // The text the box opens with: the one written last (empty when none).
    const std::string& InitialText() const { return state_.annotationText; }
    // The list under the box: the phrases kept in finsert.chr.
    const std::vector<std::string>& Phrases() const { return phrases_; }
    // Check boxes open as the last confirmed dialog left them.
    bool InitiallyChecked(int control) const;

    struct Choices {
        std::string text;  // UTF-8, as typed or picked
        bool withArrow = false;
        bool centred = false;
        bool lineOnly = false;
        bool savePhrase = false;
    };
    // OK. The text needs a character other than tab, carriage return and
    // newline unless a line alone is drawn (blanks are text), and only
    // characters a record can carry; it is cut to 127 bytes. A refusal shows
    // its message and returns false (the dialog stays). Otherwise the text and
    // the four choices are stored and true returned.
    bool Accept(const Choices& choices);

  private:
    AnnotationState& state_;
    platform::Prompts& prompts_;
    std::vector<std::string> phrases_;
};

}  // namespace korvo::annotate

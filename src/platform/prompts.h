// Message boxes, questions, file dialogs and the colour picker, as the
// program asks them. The window side shows real dialogs; tests and the
// headless tool answer from a script.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"

namespace korvo::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Stop, Exclamation, Question, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct FileFilter {
    std::string label;    // "Data Files(*.stk)"
    std::string pattern;  // "*.stk"
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // without the dot
    std::string initialDirectory;
    std::string presetName;
    bool mustExist = false;        // open: the file must exist
    bool promptOverwrite = false;  // save: ask before replacing a file
};

using CustomColours = std::array<Colour, 16>;

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual Answer ShowMessage(const std::string& text, const std::string& caption,
                               Buttons buttons, Icon icon) = 0;
    // Path chosen, or nullopt when the user cancelled.
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
    // Colour chosen, or nullopt on cancel. The custom colours may be changed by the user.
    virtual std::optional<Colour> PickColour(Colour preset, CustomColours& custom) = 0;
    virtual void Beep() = 0;
};

// The answer a user who takes no risk gives: Cancel where offered, else No, else OK.
Answer CautiousAnswer(Buttons buttons);
// Whether an answer is one of the buttons offered.
bool IsOffered(Buttons buttons, Answer answer);

std::string ToString(Answer answer);
std::string ToString(Buttons buttons);
std::string ToString(Icon icon);
std::optional<Answer> ParseAnswer(const std::string& text);

}  // namespace korvo::platform

// Prompts that answer from a script and remember everything they were asked.
// Used by the tests and by the headless tool.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace korvo::platform {

struct RecordedMessage {
    std::string text;
    std::string caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer answer = Answer::Ok;
};

class ScriptedPrompts : public Prompts {
public:
    // Answers for questions (boxes with more than an OK button), in order. A plain
    // OK box takes nothing from the queue. When the queue is empty, or its next
    // answer is not among the buttons, the cautious answer is given.
    void QueueAnswer(Answer answer) { answers_.push_back(answer); }
    // Paths for the open and save dialogs, in order; nullopt stands for Cancel.
    void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    void QueueColour(std::optional<Colour> colour) { colours_.push_back(colour); }
    // Called for every message as it is shown (the headless tool prints them).
    void OnMessage(std::function<void(const RecordedMessage&)> sink) { sink_ = std::move(sink); }

    Answer ShowMessage(const std::string& text, const std::string& caption, Buttons buttons,
                       Icon icon) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    std::optional<Colour> PickColour(Colour preset, CustomColours& custom) override;
    void Beep() override { ++beeps_; }

    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    const std::vector<FileDialogRequest>& FileRequests() const { return fileRequests_; }
    const std::vector<Colour>& ColourPresets() const { return colourPresets_; }
    int Beeps() const { return beeps_; }
    size_t PendingAnswers() const { return answers_.size(); }
    void Clear();

private:
    std::optional<std::string> NextFile(const FileDialogRequest& request);

    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<std::optional<Colour>> colours_;
    std::vector<RecordedMessage> messages_;
    std::vector<FileDialogRequest> fileRequests_;
    std::vector<Colour> colourPresets_;
    std::function<void(const RecordedMessage&)> sink_;
    int beeps_ = 0;
};

}  // namespace korvo::platform

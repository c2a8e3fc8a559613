// The edit menu's commands: the header editor, the data file editor on a new
// file or on the current series, and the correction the load offers for a
// faulty record.
#include "app/command_ids.h"
#include "app/main_controller.h"
#include "data/data_file_editor.h"
#include "data/header_editor.h"
#include "data/record_correction.h"

namespace korvo::app {

std::optional<std::string> MainController::CreateHeaderFile() {
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    return data::CreateHeaderFile(
        env, [this](data::HeaderEditor& editor) { return view_.RunHeaderEditor(editor); });
}

bool MainController::OnHeaderEditor(int) {
    return CreateHeaderFile().has_value();
}

bool MainController::OnNewFile(int) {
    // Only the background shows while the new file is typed.
    const int before = state_.viewMode;
    state_.viewMode = kViewBlank;
    Invalidate(true);
    RunDataFileEditor(true, before);
    // Either way the area is painted again: the blank goes, or the new file shows.
    return true;
}

bool MainController::OnEditCurrentFile(int) {
    if (state_.dataState.plotStartMode) {
        services_.prompts.ShowMessage("プロット開始（表示）モードを解除してください！",
                                      "メッセージ", platform::Buttons::Ok, platform::Icon::None);
        return false;
    }
    const int after = state_.viewMode == kViewOpeningScreen ? kViewOpeningScreen : kViewChart;
    return RunDataFileEditor(false, after);
}

// True when the editor saved: the reload of the working copy and the chart
// (from the opening screen also the chart menu) are then requested. The view
// mode is `modeAfter` when the editor closes without saving.
bool MainController::RunDataFileEditor(bool newFile, int modeAfter) {
    data::DataEffects effects;
    data::LoadEnvironment env{
        services_.prompts, services_.clock, state_.startDirectory, services_.progress, {}};
    data::DataContext c = DataCall(effects, env);
    data::DataFileEditor editor(c, newFile);
    const data::EditorOpening opening = editor.Open();
    if (opening != data::EditorOpening::Show) state_.viewMode = modeAfter;
    switch (opening) {
        case data::EditorOpening::Closed:
            return false;
        case data::EditorOpening::WordPad:
            // The edit goes on in the text editor, on the user's own file.
            state_.shell.editPending = true;
            OnWordPad(kCmdWordPad);
            return false;
        case data::EditorOpening::Show:
            break;
    }
    const bool saved = view_.RunDataFileEditor(editor);
    state_.viewMode = modeAfter;
    if (saved) effects.showChart = true;
    ApplyEffects(effects);
    return saved;
}

data::CorrectionDialog MainController::CorrectionHook() {
    return [this](const data::RecordValues& asRead) -> std::optional<data::RecordValues> {
        data::RecordCorrection dialog(asRead, services_.prompts);
        if (!view_.RunRecordCorrection(dialog)) return std::nullopt;
        return dialog.Result();
    };
}

}  // namespace korvo::app

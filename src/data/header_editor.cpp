#include "data/header_editor.h"

#include <filesystem>

#include "data/calendar.h"
#include "data/edit_work_files.h"
#include "data/heading_text.h"
#include "data/printf.h"
#include "data/stk_reader.h"
#include "platform/files.h"

namespace korvo::data {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

}  // namespace

bool HeaderEditor::Open() {
    if (platform::WriteFileAtomically(env_.Resolve(kEditWorkName), "")) return true;
    env_.prompts.ShowMessage(kWriteProtectedText, kEditWorkName, Buttons::Ok, Icon::Stop);
    return false;
}

HeaderFields HeaderEditor::Initial() const {
    const platform::CivilDate today = TodayDate(env_.clock);
    HeaderFields f;
    f.fileTypeId = std::to_string(kFileTypeId);
    f.startYear = std::to_string(today.year);
    f.startMonth = std::to_string(today.month);
    return f;
}

HeaderSave HeaderEditor::Refuse(const char* text, const char* caption) {
    env_.prompts.ShowMessage(text, caption, Buttons::Ok, Icon::None);
    return HeaderSave::StayOpen;
}

std::string HeaderEditor::FileContents(const HeaderFields& f) const {
    const platform::CivilDate today = TodayDate(env_.clock);
    const std::string subtitle = Cp932ForFile(f.subtitle);
    std::string out = "< Header \n\r\n '" + CommentSafe(Cp932ForFile(f.title));
    out += Printf("'  File created %d/%d/%d ", today.month, today.day, today.year);
    // The block keeps the subtitle as typed; only what would end a name or the
    // block early is written full-width.
    out += "\n@d[" + DirectiveSafe(subtitle) + "1.chr]\n@s[" + DirectiveSafe(subtitle) +
           "1.box]  >\n\n";
    out += Printf("%d\n", kFileTypeId);
    out += HeadingItems(f.title, f.subtitle, f.unit, f.code, true);
    out += Printf("%d %d  1 \n", BoxInt(f.startYear), BoxInt(f.startMonth));
    return out;
}

HeaderSave HeaderEditor::Accept(const HeaderFields& f) {
    if (IsBlank(f.title)) return Refuse("タイトル未記入です！", "メッセージ");
    if (IsBlank(f.subtitle))
        return Refuse("ｻﾌﾞﾀｲﾄﾙ(ﾃﾞｰﾀﾌｧｲﾙ名）を記入してください", "エラーメッセージ");
    if (IsBlank(f.startYear)) return Refuse("開始「年」未記入です！", "メッセージ");
    if (IsBlank(f.startMonth)) return Refuse("開始「月」未記入です！", "メッセージ");
    if (IsBlank(f.code)) return Refuse("ｼﾝﾎﾞﾙ・ｺｰﾄﾞ を記入してください", "エラーメッセージ");
    if (!TokenFits(Cp932ForFile(f.title)) || !TokenFits(Cp932ForFile(f.subtitle), 5) ||
        !TokenFits(Cp932ForFile(f.unit)) || !TokenFits(Cp932ForFile(f.code)))
        return Refuse("タイトル・コード等の項目が長すぎます！（127文字まで）", "メッセージ");
    platform::Prompts& prompts = env_.prompts;
    if (prompts.ShowMessage("編集を終了します！", "メッセージ", Buttons::OkCancel, Icon::None) !=
        Answer::Ok)
        return HeaderSave::StayOpen;
    const std::filesystem::path work = env_.Resolve(kEditWorkName);
    if (!platform::WriteFileAtomically(work, FileContents(f))) {
        prompts.ShowMessage(kWriteProtectedText, kEditWorkName, Buttons::Ok, Icon::None);
        return HeaderSave::Cancelled;
    }
    if (prompts.ShowMessage("作成ファイルを保存します", "メッセージ", Buttons::OkCancel,
                            Icon::None) != Answer::Ok)
        return HeaderSave::Cancelled;
    platform::FileDialogRequest request;
    request.filters = {{"Data Files(*.stk)", "*.stk"}};
    request.defaultExtension = "stk";
    request.presetName = f.subtitle + "01.stk";
    request.promptOverwrite = true;
    const auto target = prompts.SaveFile(request);
    if (!target) {
        prompts.ShowMessage("新ファイルの保存できません", "エラーメッセージ(E1580)", Buttons::Ok,
                            Icon::None);
        return HeaderSave::Cancelled;
    }
    const std::filesystem::path targetPath = env_.Resolve(*target);
    std::error_code error;
    // An existing file is kept before it is replaced by an empty one; without
    // that copy it is left alone.
    const bool backedUp = !std::filesystem::exists(targetPath, error) ||
                          platform::CopyFileExpanding(
                              targetPath, env_.Resolve(kEditOverwrittenName)) == platform::kCopyOk;
    if (!backedUp || platform::CopyFileExpanding(work, targetPath) != platform::kCopyOk) {
        prompts.ShowMessage(kWriteProtectedText, *target, Buttons::Ok, Icon::None);
        return HeaderSave::Cancelled;
    }
    createdPath_ = *target;
    return HeaderSave::Created;
}

std::optional<std::string> CreateHeaderFile(LoadEnvironment& env, const HeaderEditorRunner& run) {
    HeaderEditor editor(env);
    if (!editor.Open() || !run || !run(editor) || editor.CreatedPath().empty()) return std::nullopt;
    return editor.CreatedPath();
}

}  // namespace korvo::data

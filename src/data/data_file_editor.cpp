#include "data/data_file_editor.h"

#include <filesystem>
#include <map>

#include "data/calendar.h"
#include "data/edit_work_files.h"
#include "data/editor_records.h"
#include "data/editor_text.h"
#include "data/header_block.h"
#include "data/heading_text.h"
#include "data/printf.h"
#include "data/stk_reader.h"
#include "platform/codec.h"
#include "platform/files.h"

namespace korvo::data {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr const char* kTooLargeText =
    "データサイズが大きいのでワードパッドを起動します。\n\nまたは、「キャンセル」をクリックして\n"
    "グラフの表示期間を 1 年以内に縮小してください。";
constexpr const char* kMakerLine = " Korvo ﾁｬｰﾄ  (Korvo Software Works)\n";
constexpr const char* kTooLongText = "タイトル・コード等の項目が長すぎます！（127文字まで）";

int BarKey(const PriceSeries& s, int i) {
    const auto at = static_cast<std::size_t>(i);
    return s.year[at] * 10000 + s.month[at] * 100 + s.day[at];
}

}  // namespace

DataFileEditor::DataFileEditor(DataContext& context, bool newFileMode)
    : context_(context), newFileMode_(newFileMode), headerText_(context.series.headerText) {}

EditorOpening DataFileEditor::Open() {
    platform::Prompts& prompts = context_.env.prompts;
    if (!platform::WriteFileAtomically(Path(kEditWorkName), "")) {
        prompts.ShowMessage(kWriteProtectedText, kEditWorkName, Buttons::Ok, Icon::Stop);
        return EditorOpening::Closed;
    }
    const PriceSeries& s = context_.series;
    fields_ = EditorFields{};
    textLimit_ = kNewFileTextLimit;
    if (newFileMode_) {
        const platform::CivilDate today = TodayDate(context_.env.clock);
        fields_.fileTypeId = "210";
        fields_.title = context_.state.importDefaults.title;
        fields_.code = context_.state.importDefaults.code;
        fields_.startYear = std::to_string(today.year);
        fields_.startMonth = std::to_string(today.month);
        return EditorOpening::Show;
    }
    if (s.fileTypeId < 201 || s.fileTypeId > 240) {
        fields_.fileTypeId = "210";
        return EditorOpening::Show;
    }
    fields_.fileTypeId = std::to_string(s.fileTypeId);
    fields_.title = s.title;
    fields_.subtitle = s.subtitle;
    fields_.unit = s.unitLabel;
    fields_.code = s.marketCode;
    fields_.startYear = std::to_string(s.fileStartYear);
    fields_.startMonth = std::to_string(s.fileStartMonth);
    if (s.barCount >= kEditorBoxBars) {
        const Answer answer =
            prompts.ShowMessage(kTooLargeText, "メッセージ(DT003)", Buttons::OkCancel, Icon::None);
        return answer == Answer::Ok ? EditorOpening::WordPad : EditorOpening::Closed;
    }
    fields_.data = EditorText(s);
    textLimit_ = EditorTextLimit(s, fields_.data.size());
    for (int i = 0; i < s.barCount; ++i) {
        std::string line = EditorLine(s, i);
        line.resize(line.size() - 2);  // CR LF
        listed_.emplace(std::move(line), BarKey(s, i));
    }
    if (s.barCount > 0) {
        firstShownKey_ = BarKey(s, 0);
        lastShownKey_ = BarKey(s, s.barCount - 1);
    }
    return EditorOpening::Show;
}

void DataFileEditor::StartNewFile() {
    fields_ = EditorFields{};
    newFileMode_ = true;
    textLimit_ = kNewFileTextLimit;
    listed_.clear();
    firstShownKey_ = lastShownKey_ = 0;
}

EditorSave DataFileEditor::Refuse(const std::string& text, const std::string& caption, Icon icon) {
    context_.env.prompts.ShowMessage(text, caption, Buttons::Ok, icon);
    return EditorSave::StayOpen;
}

bool DataFileEditor::Checked(const EditorFields& f) {
    const int id = BoxInt(f.fileTypeId);
    // Only the types a load accepts: a file the editor writes must open again.
    if (id < 210 || id > 229) {
        Refuse(Printf("ID=%d  ID が違います！\n正しいID を記入してください", id),
               "エラーメッセージ(G010)");
        return false;
    }
    if (IsBlank(f.title)) {
        Refuse("タイトル未記入です！", "メッセージ");
        return false;
    }
    if (IsBlank(f.startYear)) {
        Refuse("開始「年」未記入です！", "メッセージ");
        return false;
    }
    if (IsBlank(f.startMonth)) {
        Refuse("開始「月」未記入です！", "メッセージ");
        return false;
    }
    // A longer item would make the file unreadable; the subtitle also names
    // the annotation file "<subtitle>1.chr".
    if (!TokenFits(Cp932ForFile(f.title)) || !TokenFits(Cp932ForFile(f.subtitle), 5) ||
        !TokenFits(Cp932ForFile(f.unit)) || !TokenFits(Cp932ForFile(f.code))) {
        Refuse(kTooLongText, "メッセージ");
        return false;
    }
    return true;
}

EditorSave DataFileEditor::Save(const EditorFields& typed) {
    platform::Prompts& prompts = context_.env.prompts;
    if (!Checked(typed)) return EditorSave::StayOpen;
    if (prompts.ShowMessage("編集を終了します！", "メッセージ", Buttons::OkCancel, Icon::None) !=
        Answer::Ok)
        return EditorSave::StayOpen;
    std::error_code error;
    if (std::filesystem::exists(Path(kWorkingCopyName), error) &&
        platform::CopyFileExpanding(Path(kWorkingCopyName), Path(kEditOldCopyName)) !=
            platform::kCopyOk)
        return Refuse(kWriteProtectedText, "エラーメッセージ");
    if (!WriteEditFile(typed)) return EditorSave::StayOpen;
    return newFileMode_ ? SaveNewFile(typed) : ReplaceWorkingCopy();
}

std::string DataFileEditor::NewHeaderBlock(const EditorFields& f) const {
    const platform::CivilDate today = TodayDate(context_.env.clock);
    const std::string subtitle = DirectiveSafe(Cp932ForFile(f.subtitle));
    std::string block = Cp932ForFile("< Header 「Korvo ﾁｬｰﾄ」 ﾃﾞｰﾀﾌｧｲﾙ\n\r\n '");
    block += CommentSafe(Cp932ForFile(f.title));
    block += Printf("'  File created %d/%d/%d \n", today.month, today.day, today.year);
    block += Cp932ForFile(kMakerLine);
    block += "\n@d[" + subtitle + "1.chr]\n@s[" + subtitle +
             "1.box] \n\r... User comments ...  >\n\r\n\r";
    return block;
}

std::string DataFileEditor::Heading(const EditorFields& f, bool& refused) {
    std::string out;
    refused = false;
    if (!newFileMode_ && !headerText_.empty()) {
        out = headerText_ + "\n\r";
    } else if (IsBlank(f.subtitle)) {
        Refuse("銘柄略名または、シンボル名を記入してください", "エラーメッセージ");
        refused = true;
        return out;
    } else {
        out = NewHeaderBlock(f);
    }
    out += Printf("%d\n", BoxInt(f.fileTypeId));
    out += HeadingItems(f.title, f.subtitle, f.unit, f.code, false);
    out += Printf("%d %d  1 \n", BoxInt(f.startYear), BoxInt(f.startMonth));
    return out;
}

// The records the edit saves: the user's text, where each line left as listed
// is the working copy's record as it stands, after the working copy's records
// the box did not list (before the plot start, or past what a load takes).
// Those come first, so a record the user typed for the same day wins when the
// copy is normalised.
std::string DataFileEditor::RecordsText(const std::string& typed) const {
    if (newFileMode_ || listed_.empty()) return typed;
    const auto copy = ReadFileBytes(Path(kWorkingCopyName));
    SplitRecords records =
        copy ? SplitRecordsByDate(*copy, firstShownKey_, lastShownKey_) : SplitRecords{};
    std::string out = std::move(records.outside);
    for (std::size_t start = 0; start < typed.size();) {
        std::size_t end = typed.find('\n', start);
        end = end == std::string::npos ? typed.size() : end + 1;
        const std::string_view line = std::string_view(typed).substr(start, end - start);
        std::string_view bare = line;
        while (!bare.empty() && (bare.back() == '\n' || bare.back() == '\r'))
            bare.remove_suffix(1);
        const auto listed = listed_.find(std::string(bare));
        const auto& inside = records.inside;
        const auto record = listed == listed_.end() ? inside.end() : inside.find(listed->second);
        if (record != inside.end())
            out += record->second + "\r\n";
        else
            out.append(line);
        start = end;
    }
    return out;
}

bool DataFileEditor::WriteEditFile(const EditorFields& f) {
    bool refused = false;
    std::string contents = Heading(f, refused);
    if (refused) return false;
    contents += RecordsText(Cp932ForFile(f.data));
    if (!platform::WriteFileAtomically(Path(kEditWorkName), contents)) {
        Refuse(kWriteProtectedText, kEditWorkName);
        return false;
    }
    return true;
}

EditorSave DataFileEditor::ReplaceWorkingCopy() {
    if (platform::CopyFileExpanding(Path(kEditWorkName), Path(kWorkingCopyName)) !=
        platform::kCopyOk)
        return Refuse(kWriteProtectedText, kWorkingCopyName);
    context_.effects.reloadRequested = true;
    return EditorSave::Saved;
}

EditorSave DataFileEditor::SaveNewFile(const EditorFields& f) {
    platform::Prompts& prompts = context_.env.prompts;
    newFileMode_ = false;
    if (prompts.ShowMessage("新規作成ファイルを保存します", "メッセージ", Buttons::OkCancel,
                            Icon::None) != Answer::Ok)
        return EditorSave::Closed;
    platform::FileDialogRequest request;
    request.filters = {{"Data Files(*.stk)", "*.stk"}};
    request.defaultExtension = "stk";
    request.presetName = f.subtitle + "01.stk";
    request.promptOverwrite = true;
    const auto target = prompts.SaveFile(request);
    if (!target) {
        prompts.ShowMessage("新ファイルの保存できません", "エラーメッセージ(E15500)", Buttons::Ok,
                            Icon::None);
        return EditorSave::Closed;
    }
    const std::filesystem::path targetPath = context_.env.Resolve(*target);
    std::error_code error;
    // A file about to be overwritten is kept first; without that copy it is left alone.
    const bool backedUp =
        !std::filesystem::exists(targetPath, error) ||
        platform::CopyFileExpanding(targetPath, Path(kEditOverwrittenName)) == platform::kCopyOk;
    if (!backedUp ||
        platform::CopyFileExpanding(Path(kEditWorkName), targetPath) != platform::kCopyOk) {
        prompts.ShowMessage(kWriteProtectedText, *target, Buttons::Ok, Icon::None);
        return EditorSave::Closed;
    }
    if (platform::CopyFileExpanding(Path(kEditWorkName), Path(kWorkingCopyName)) !=
        platform::kCopyOk) {
        prompts.ShowMessage(kWriteProtectedText, kWorkingCopyName, Buttons::Ok, Icon::None);
        return EditorSave::Closed;
    }
    // The new file is the one shown now: the reload, the status strip and the
    // text editor all go by it.
    PriceSeries& s = context_.series;
    s.previousDataPath = s.dataPath;
    s.dataPath = *target;
    context_.state.weeklyDerived = context_.state.monthlyDerived = false;
    context_.effects.reloadRequested = true;
    context_.effects.showChart = true;
    return EditorSave::Saved;
}

}  // namespace korvo::data

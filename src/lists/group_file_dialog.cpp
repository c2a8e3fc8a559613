#include "lists/group_file_dialog.h"

#include "data/printf.h"
#include "platform/codec.h"

namespace korvo::lists {

GroupFileDialog::GroupFileDialog(ListsState& lists, std::filesystem::path startDirectory,
                                 platform::Prompts& prompts)
    : lists_(lists), startDirectory_(std::move(startDirectory)), prompts_(prompts) {}

void GroupFileDialog::Open() {
    if (lists_.listShown < 0 || lists_.listShown >= kPortfolioCount) lists_.listShown = 0;
    Fill();
}

void GroupFileDialog::Fill() {
    FillRows(rows_, startDirectory_ / PortfolioListName(lists_.listShown), prompts_);
    changed_ = false;
}

void GroupFileDialog::EditCode(int row, const std::string& text) {
    if (!IsRow(row)) return;
    rows_[static_cast<std::size_t>(row)].code = text;
    changed_ = true;
}

void GroupFileDialog::EditPath(int row, const std::string& text) {
    if (!IsRow(row)) return;
    rows_[static_cast<std::size_t>(row)].path = text;
    changed_ = true;
}

bool GroupFileDialog::Browse(int row) {
    if (!IsRow(row)) return false;
    const auto path = ChooseDataFile(prompts_);
    if (!path) return false;
    EditPath(row, *path);
    return true;
}

void GroupFileDialog::Clear() {
    rows_.fill(PortfolioEntry{});
}

bool GroupFileDialog::ChooseList(int list) {
    if (list < 0 || list >= kPortfolioCount) return false;
    if (changed_ && !Save()) return false;
    lists_.listShown = list;
    Fill();
    return true;
}

bool GroupFileDialog::Accept() {
    return Save();
}

void GroupFileDialog::Refuse(const std::string& text, const char* caption) {
    prompts_.ShowMessage(text, caption, platform::Buttons::Ok, platform::Icon::None);
}

bool GroupFileDialog::RowRefused(int row, const PortfolioEntry& e) {
    const int number = row + 1;
    if (!e.code.empty() && e.path.empty()) {
        Refuse(data::Printf("%d 行目　%s  ファイル名が未記入です！", number, e.code.c_str()),
               "警告");
        return true;
    }
    if (e.code.empty() && !e.path.empty()) {
        Refuse(data::Printf("%d 行目　%s 銘柄コードが未記入です！", number, e.path.c_str()),
               "警告");
        return true;
    }
    // The boxes hold no more than this; a longer item could not be read back.
    if (CharCount(e.code) > kMaxCodeChars || CharCount(e.path) > kMaxPathChars) {
        Refuse(data::Printf("%d 行目　%s 文字数が多すぎます！", number, e.code.c_str()), "警告");
        return true;
    }
    // The list is CP932 text: an item it cannot spell would be lost.
    if (!platform::Utf8ToCp932(e.code) || !platform::Utf8ToCp932(e.path)) {
        Refuse(data::Printf("%d 行目　%s 使用できない文字があります！", number, e.code.c_str()),
               "警告");
        return true;
    }
    return false;
}

bool GroupFileDialog::Save() {
    std::vector<PortfolioEntry> entries;
    for (int row = 0; row < kMaxPortfolioEntries; ++row) {
        const PortfolioEntry& e = rows_[static_cast<std::size_t>(row)];
        if (RowRefused(row, e)) return false;
        if (!e.code.empty()) entries.push_back(PortfolioEntry{UpperCaseCode(e.code), e.path});
    }
    if (!WritePortfolioList(startDirectory_ / PortfolioListName(lists_.listShown), entries)) {
        Refuse("ファイルの保存できません", "エラーメッセージ(F002)");
        return false;
    }
    lists_.group.entries = std::move(entries);
    changed_ = false;
    return true;
}

}  // namespace korvo::lists

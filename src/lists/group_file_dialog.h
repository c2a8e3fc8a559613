// The group file editor FILEUPDATE: the three portfolio lists, one shown at a
// time in twenty rows of symbol code and data file. OK, or switching to
// another list after a change, saves the list shown: every row must have both
// items or neither, and the saved list becomes the group the quote import
// searches.
#pragma once

#include <filesystem>
#include <string>

#include "lists/list_rows.h"
#include "lists/lists_state.h"
#include "platform/prompts.h"

namespace korvo::lists {

class GroupFileDialog {
  public:
    static constexpr const char* kName = "FILEUPDATE";
    static constexpr const char* kTitle = "ｸﾞﾙｰﾌﾟﾃﾞｰﾀﾌｧｲﾙ";
    static constexpr const char* kCodeColumn = "検索銘柄ｺｰﾄﾞ";
    static constexpr const char* kPathColumn = "収納ﾌｧｲﾙ名";
    static constexpr const char* kBrowseLabel = "ﾘｽﾄ";
    static constexpr const char* kListLabels[kPortfolioCount] = {"ﾎﾟｰﾄﾌｫﾘｵ 1", "ﾎﾟｰﾄﾌｫﾘｵ 2",
                                                                 "ﾎﾟｰﾄﾌｫﾘｵ 3"};
    static constexpr const char* kUpdateLabel = "更新";
    static constexpr const char* kClearLabel = "ｸﾘｱ";
    static constexpr const char* kCancelLabel = "ｷｬﾝｾﾙ";
    static constexpr int kFirstCodeControl = 801;
    static constexpr int kFirstPathControl = 1075;
    static constexpr int kFirstBrowseControl = 9201;
    static constexpr int kFirstListControl = 120;
    static constexpr int kUpdateControl = 9298;
    static constexpr int kClearControl = 9299;

    GroupFileDialog(ListsState& lists, std::filesystem::path startDirectory,
                    platform::Prompts& prompts);

    // Opening: the list shown last (0 when that is not a list) fills the rows.
    void Open();
    int ListShown() const { return lists_.listShown; }
    const ListRows& Rows() const { return rows_; }
    // Whether rows changed since the list was filled in or saved.
    bool Changed() const { return changed_; }

    // The user typed into a row: the change is kept, so switching lists saves it.
    void EditCode(int row, const std::string& text);
    void EditPath(int row, const std::string& text);
    // "ﾘｽﾄ": a data file chosen in the open dialog goes into the row's path.
    bool Browse(int row);
    // "更新": the rows count as changed.
    void Update() { changed_ = true; }
    // "ｸﾘｱ": every row empty.
    void Clear();
    // A list's radio button: after a change the list shown is saved first (a
    // refused save keeps it shown and returns false); then `list` fills the rows.
    bool ChooseList(int list);
    // OK: saves the list shown; false (after the message) keeps the dialog open.
    bool Accept();

  private:
    // Checks the rows in order and writes the list shown; the group tables then
    // hold what was written.
    bool Save();
    bool RowRefused(int row, const PortfolioEntry& entry);
    void Refuse(const std::string& text, const char* caption);
    void Fill();

    ListsState& lists_;
    std::filesystem::path startDirectory_;
    platform::Prompts& prompts_;
    ListRows rows_;
    bool changed_ = false;
};

}  // namespace korvo::lists

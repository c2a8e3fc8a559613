// The picker FILEREGIST: the rows of one portfolio list with a radio button
// each; OK takes the data file of the row chosen. The picker never writes the
// list; the row chosen last is kept for the run and chosen again next time.
#pragma once

#include <filesystem>
#include <string>

#include "lists/list_rows.h"
#include "platform/prompts.h"

namespace korvo::lists {

class PortfolioPicker {
  public:
    static constexpr const char* kName = "FILEREGIST";
    static constexpr const char* kTitle = "登録 ﾃﾞｰﾀﾌｧｲﾙ";
    static constexpr const char* kCodeColumn = "銘柄コード";
    static constexpr const char* kPathColumn = "ﾌｫﾙﾀﾞ+ﾌｧｲﾙ名";
    static constexpr const char* kBrowseLabel = "ﾘｽﾄ";
    static constexpr const char* kClearLabel = "ｸﾘｱ";
    static constexpr const char* kCancelLabel = "ｷｬﾝｾﾙ";
    static constexpr int kFirstCodeControl = 801;
    static constexpr int kFirstPathControl = 1075;
    static constexpr int kFirstBrowseControl = 9201;
    static constexpr int kClearControl = 9299;
    // Shown in place of an item the list holds as "??".
    static constexpr const char* kUnknownItem = "??";

    // The radio button of a row: 120 to 128, then 130 to 140.
    static constexpr int RadioControl(int row) { return row < 9 ? 120 + row : 130 + (row - 9); }

    // `pickedRow` outlives the picker.
    PortfolioPicker(int& pickedRow, std::filesystem::path listFile, platform::Prompts& prompts);

    // Opening: the rows from the list file ("??" shown empty).
    void Open();
    const ListRows& Rows() const { return rows_; }
    // The row whose radio button is on (0 when the kept one is not a row).
    int PickedRow() const { return IsRow(pickedRow_) ? pickedRow_ : 0; }

    void EditCode(int row, const std::string& text);
    void EditPath(int row, const std::string& text);
    bool Browse(int row);
    void Pick(int row);
    void Clear() { rows_.fill(PortfolioEntry{}); }
    // OK: false while the chosen row has no data file (the picker stays open);
    // otherwise the path is ChosenPath().
    bool Accept();
    const std::string& ChosenPath() const { return chosen_; }

  private:
    int& pickedRow_;
    std::filesystem::path listFile_;
    platform::Prompts& prompts_;
    ListRows rows_;
    std::string chosen_;
};

}  // namespace korvo::lists

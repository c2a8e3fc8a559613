// The data list window LISTDLG: the loaded bars as a table, newest first, one
// CR LF ended line each with the date, the four prices, the change of the close
// and the volume as read with its change.
#pragma once

#include <optional>
#include <string>

#include "data/price_series.h"
#include "platform/prompts.h"

namespace korvo::lists {

// More bars than this are cut down to the newest kDataListMaxLines.
inline constexpr int kDataListWarnAbove = 3500;
inline constexpr int kDataListMaxLines = 3499;

struct DataListText {
    std::string title;  // shown in 801
    std::string lines;  // shown in 820
    int lineCount = 0;
};

class DataListWindow {
  public:
    static constexpr const char* kName = "LISTDLG";
    static constexpr const char* kTitle = "データリスト";
    static constexpr int kTitleControl = 801;
    static constexpr int kListControl = 820;
    static constexpr const char* kNoDataText = "ﾃﾞｰﾀﾌｧｲﾙを先に選んでください";
    static constexpr const char* kNoDataCaption = "ﾒｯｾｰｼﾞ";
    static constexpr const char* kTooManyText = "ﾃﾞｰﾀ量が多いので ﾃﾞｰﾀの一部を省略します。";
    static constexpr const char* kTooManyCaption = "警告メッセージ(DT001)";
};

// One bar's line. The oldest bar has no bar before it: its changes are 0.
std::string DataListLine(const data::PriceSeries& series, int i);

// The window's contents, or nullopt after "choose a data file first" when
// nothing is loaded; above 3500 bars the warning comes first and only the
// newest 3499 bars are listed.
std::optional<DataListText> PrepareDataList(const data::PriceSeries& series,
                                            platform::Prompts& prompts);

}  // namespace korvo::lists

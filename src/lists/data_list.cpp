#include "lists/data_list.h"

#include "data/printf.h"

namespace korvo::lists {

std::string DataListLine(const data::PriceSeries& s, int i) {
    const auto at = static_cast<std::size_t>(i);
    const auto before = at > 0 ? at - 1 : at;
    const double closeChange = at > 0 ? static_cast<double>(s.close[at] - s.close[before]) : 0.0;
    const double volumeChange =
        at > 0 ? static_cast<double>(s.rawVolume[at] - s.rawVolume[before]) : 0.0;
    const char* format =
        s.low[at] <= 10000.0f
            ? " %4d/%2d/%2d\t%9.2f\t%9.2f\t%9.2f\t%9.2f (%8.2f)\t%16.0f (%10.0f)\r\n"
            : " %4d/%2d/%2d\t%8.0f\t%8.0f\t%8.0f\t%8.0f (%8.0f)\t%12.0f (%10.0f)\r\n";
    return data::Printf(format, static_cast<int>(s.year[at]), static_cast<int>(s.month[at]),
                        static_cast<int>(s.day[at]), static_cast<double>(s.open[at]),
                        static_cast<double>(s.high[at]), static_cast<double>(s.low[at]),
                        static_cast<double>(s.close[at]), closeChange,
                        static_cast<double>(s.rawVolume[at]), volumeChange);
}

std::optional<DataListText> PrepareDataList(const data::PriceSeries& series,
                                            platform::Prompts& prompts) {
    if (series.barCount < 1) {
        prompts.ShowMessage(DataListWindow::kNoDataText, DataListWindow::kNoDataCaption,
                            platform::Buttons::Ok, platform::Icon::Stop);
        return std::nullopt;
    }
    int shown = series.barCount;
    if (shown > kDataListWarnAbove) {
        prompts.ShowMessage(DataListWindow::kTooManyText, DataListWindow::kTooManyCaption,
                            platform::Buttons::Ok, platform::Icon::None);
        shown = kDataListMaxLines;
    }
    DataListText text;
    text.title = series.title;
    text.lineCount = shown;
    text.lines.reserve(static_cast<std::size_t>(shown) * 100);
    for (int i = series.barCount - 1; i >= series.barCount - shown; --i)
        text.lines += DataListLine(series, i);
    return text;
}

}  // namespace korvo::lists

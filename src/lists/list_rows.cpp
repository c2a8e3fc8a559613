#include "lists/list_rows.h"

#include "data/printf.h"

namespace korvo::lists {

void FillRows(ListRows& rows, const std::filesystem::path& listFile, platform::Prompts& prompts) {
    rows.fill(PortfolioEntry{});
    const PortfolioRead read = ReadPortfolioList(listFile);
    for (std::size_t i = 0; i < read.entries.size() && i < rows.size(); ++i)
        rows[i] = read.entries[i];
    if (read.damaged)
        prompts.ShowMessage(
            data::Printf("%s のデータが壊れています！", listFile.filename().string().c_str()),
            "警告メッセージ", platform::Buttons::Ok, platform::Icon::Exclamation);
}

std::optional<std::string> ChooseDataFile(platform::Prompts& prompts) {
    platform::FileDialogRequest request;
    request.title = "ファイルオープン";
    request.filters = {{"Data Files(*.stk)", "*.stk"}};
    request.defaultExtension = "stk";
    request.mustExist = true;
    return prompts.OpenFile(request);
}

}  // namespace korvo::lists

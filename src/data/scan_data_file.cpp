#include "data/scan_data_file.h"

#include "data/data_text.h"
#include "data/header_block.h"
#include "data/printf.h"
#include "data/stk_reader.h"
#include "platform/codec.h"

namespace korvo::data {

namespace {

using platform::Buttons;
using platform::Icon;

std::string NameForMessages(const DataContext& c, const std::string& path) {
    return c.series.dataPath.empty() ? path : c.series.dataPath;
}

// The file's code against the symbol the quote import is writing. Returns false
// when the user cancels the warning.
bool SymbolCheckPasses(DataContext& c, std::string_view fileCode) {
    SymbolCheck& check = c.state.symbolCheck;
    const bool ask = check.requested && !c.state.guideOff && fileCode != check.symbol;
    check.requested = false;
    if (!ask) return true;
    const std::string text = Printf(
        "警告 ! ｼﾝﾎﾞﾙ・ｺｰﾄﾞが異なるファイルに書込みをしようとしています。\n\n "
        "データファイルの　ｼﾝﾎﾞﾙ・ｺｰﾄﾞ　\t%s \n  検索銘柄 ｼﾝﾎﾞﾙ・ｺｰﾄﾞ　\t%s",
        platform::Cp932ToUtf8Lossy(fileCode).c_str(),
        platform::Cp932ToUtf8Lossy(check.symbol).c_str());
    const auto answer = c.env.prompts.ShowMessage(text, "警告メッセージ(W7642)", Buttons::OkCancel,
                                                  Icon::Exclamation);
    if (answer != platform::Answer::Cancel) return true;
    check.symbol = check.previousSymbol;
    return false;
}

bool StartDateValid(const std::string_view* date) {
    for (int i = 0; i < 3; ++i)
        if (IsAllDigits(date[i]) != 1) return false;
    const int year = LeadingInt(date[0]);
    const int month = LeadingInt(date[1]);
    const int day = LeadingInt(date[2]);
    return year >= 0 && year <= 2050 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

int Scan(DataContext& c, const std::string& path, std::string_view bytes) {
    platform::Prompts& prompts = c.env.prompts;
    StkReader in(bytes);
    std::string header;
    if (CopyHeaderBlockText(in, header) < 0) {
        ShowDataFormError(prompts);
        return -21;
    }

    const auto idToken = in.NextToken();
    const auto id = idToken ? WholeInt(*idToken) : std::nullopt;
    if (!id || *id < 210 || *id > 229) {
        c.effects.periodCommandsEnabled = false;
        const int shown = id ? *id : (idToken ? LeadingInt(*idToken) : 0);
        prompts.ShowMessage(Printf("データタイプ(ID=%d)が違います！", shown), "エラーメッセージ",
                            Buttons::Ok, Icon::Stop);
        return -1;
    }

    // Missing tokens read as empty texts, which the start date check refuses.
    std::string_view texts[4];
    in.NextTokens(texts, 4);
    if (AnyTokenTooLong(texts, 4)) {
        ShowTokenTooLong(prompts, NameForMessages(c, path));
        return -21;
    }
    if (!SymbolCheckPasses(c, texts[3])) return -1002;

    std::string_view date[3];
    in.NextTokens(date, 3);
    if (!StartDateValid(date)) {
        prompts.ShowMessage(Printf("(%s) データーファイル の開始日設定（６行目） のエラーです！\n"
                                   "設定日(半角数字)が正しいか確認してください。",
                                   DisplayToken(texts[0]).c_str()),
                            "エラーメッセージ(E10120)", Buttons::Ok, Icon::Stop);
        return -91;
    }

    int count = 0;
    std::string_view record[8];
    while (count < kMaxRecords && in.NextTokens(record, 8) == 8) {
        const int year = LeadingInt(record[0]);
        const int month = LeadingInt(record[1]);
        const int day = LeadingInt(record[2]);
        if (year < 0 || year > 2050 || month < 1 || month > 12 || day < 1 || day > 31) {
            prompts.ShowMessage(
                Printf("ﾃﾞｰﾀ ﾌｧｲﾙ のデータエラーです！\n\nﾃﾞｰﾀ %d 行目　%s 年　%s　月 %s　日 "
                       "\n\nﾃﾞｰﾀﾌｧｲﾙ %s のデータを確認してください。",
                       count, platform::Cp932ToUtf8Lossy(record[0]).c_str(),
                       platform::Cp932ToUtf8Lossy(record[1]).c_str(),
                       platform::Cp932ToUtf8Lossy(record[2]).c_str(), c.series.dataPath.c_str()),
                "エラーメッセージ(E9417)", Buttons::Ok, Icon::Stop);
            return -91;
        }
        ++count;
    }
    return count;
}

}  // namespace

int ScanDataFile(DataContext& context, const std::string& path, std::string_view contents) {
    const int result = Scan(context, path, contents);
    // A check the quote import asked for applies to this scan only.
    context.state.symbolCheck.requested = false;
    return result;
}

int ScanDataFile(DataContext& context, const std::string& path) {
    const auto bytes = ReadFileBytes(context.env.Resolve(path));
    if (!bytes) {
        context.state.symbolCheck.requested = false;
        context.env.prompts.ShowMessage("データファイルを選んでください! ", "警告メッセージ(W8770)",
                                        Buttons::Ok, Icon::Stop);
        return -3;
    }
    return ScanDataFile(context, path, *bytes);
}

}  // namespace korvo::data

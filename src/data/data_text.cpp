#include "data/data_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/codec.h"

namespace korvo::data {

std::string BlanksFromUnderscores(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() < kMaxTokenLength ? cp932.size() : kMaxTokenLength);
    std::size_t i = 0;
    while (i < cp932.size()) {
        const std::size_t length = platform::CharLengthAt(cp932, i);
        if (out.size() + length > kMaxTokenLength) break;
        if (length == 1 && cp932[i] == '_') {
            out.push_back(' ');
        } else {
            out.append(cp932.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::string DisplayToken(std::string_view cp932) {
    return platform::Cp932ToUtf8Lossy(BlanksFromUnderscores(cp932));
}

int IsAllDigits(std::string_view text) {
    if (text.size() > 64) return -2;
    for (const char c : text)
        if (c < '0' || c > '9') return -1;
    return 1;
}

bool PriceHasFraction(float price) {
    const float scaled = price * 100.0f;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.0e18f) return false;
    return static_cast<std::int64_t>(scaled) % 100 != 0;
}

void ShowErrorCode(platform::Prompts& prompts, int code) {
    prompts.Beep();
    prompts.Beep();
    std::string text;
    if (code == -20) {
        text = "プログラムを稼働するだけのメモリーが足りません！";
    } else {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "ﾃﾞｰﾀ ﾌｧｲﾙ エラーです！No.%d", code);
        text = buffer;
    }
    prompts.ShowMessage(text, "エラーメッセージ", platform::Buttons::Ok, platform::Icon::Stop);
}

void ShowTokenTooLong(platform::Prompts& prompts, const std::string& fileName) {
    prompts.ShowMessage(
        "ﾃﾞｰﾀ ﾌｫｰﾑ エラー\nタイトル・コード等の項目が長すぎます！（127文字まで）\n\n" + fileName,
        "エラーメッセージ", platform::Buttons::Ok, platform::Icon::Stop);
}

bool AnyTokenTooLong(const std::string_view* tokens, int count) {
    for (int i = 0; i < count; ++i)
        if (tokens[i].size() > kMaxTokenLength) return true;
    return false;
}

}  // namespace korvo::data

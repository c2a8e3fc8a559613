#include "data/load_price_series.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <memory>

#include "data/calendar.h"
#include "data/data_text.h"
#include "data/header_block.h"
#include "data/printf.h"
#include "data/stk_reader.h"

namespace korvo::data {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

std::int32_t ClampToInt32(std::int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

struct FailedCheck {
    int code;
    const char* text;
};

// The record checks in the order they are made; 21x files also check the open.
int FailedChecks(int fileTypeId, const RecordValues& r, FailedCheck* failed) {
    int n = 0;
    if (fileTypeId < 220 && (r.open < r.low || r.open > r.high))
        failed[n++] = {-203, "データ始値に誤りがあります！"};
    if (r.day < 1 || r.day > 31) failed[n++] = {-207, "データの日(1-31)に誤りがあります！"};
    if (r.high < r.low) failed[n++] = {-201, " データに誤りがあります！高値＜低値"};
    if (r.close < r.low || r.close > r.high) failed[n++] = {-202, "データ終値に誤りがあります！"};
    return n;
}

// The working state of one load: the series being built and the volumes in
// 64 bits until they are divided for display.
struct Load {
    DataContext& c;
    PriceSeries& s;
    std::array<std::int64_t, kMaxBars>& volumes;
    std::int64_t largestVolume = 0;

    void Widen(const RecordValues& r) {
        s.maxHigh = std::max(s.maxHigh, r.high);
        s.minLow = std::min(s.minLow, r.low);
        largestVolume = std::max(largestVolume, r.volume);
    }

    // The zero-open question. Yes replaces this and every later zero open.
    void FixZeroOpen(RecordValues& r, int line) {
        if (r.open != 0.0f) return;
        if (!c.state.autoFixOpen) {
            const std::string text = Printf(
                "入力ﾃﾞｰﾀ エラーです！\n\n  %s\n\n%d 行目、%d年 %d月 %d日 [%8.2f ?] %8.2f %8.2f "
                "%8.2f %lld \n\n 始値[0.0] すべて自動修正(%8.2f->%8.2f )しますか ？",
                s.dataPath.c_str(), line, r.year, r.month, r.day, r.open, r.high, r.low, r.close,
                static_cast<long long>(r.volume), r.open, r.close);
            if (c.env.prompts.ShowMessage(text, "ﾃﾞｰﾀ エラー！", Buttons::YesNo,
                                          Icon::Exclamation) != Answer::Yes)
                return;
            c.state.autoFixOpen = true;
        }
        r.open = r.close;
    }

    // Returns 0, or the code of the check whose detail message the user cancelled.
    int ExplainChecks(const FailedCheck* failed, int count, const RecordValues& r, int line) {
        if (!c.state.detailedMessages) return 0;
        for (int i = 0; i < count; ++i) {
            c.env.prompts.Beep();
            const std::string text =
                failed[i].text +
                Printf(
                    "\n\nﾃﾞｰﾀ  [ %s ] \n\n%d 行目、%d年 %d月 %d日\n\n%9.2f(始) %9.2f(H) "
                    "%9.2f(L) %9.2f(終) %lld (Vol)",
                    s.title.c_str(), line, r.year, r.month, r.day, r.open, r.high, r.low, r.close,
                    static_cast<long long>(r.volume));
            if (c.env.prompts.ShowMessage(text, "ﾃﾞｰﾀ ﾌｧｲﾙ エラー(E7618)！", Buttons::OkCancel,
                                          Icon::Exclamation) == Answer::Cancel)
                return failed[i].code;
        }
        return 0;
    }

    // The correction offer. False when the user cancels the load.
    bool OfferCorrection(RecordValues& r) {
        if (c.state.skipCorrections) return true;
        const std::string text = Printf(
            " ﾃﾞｰﾀ ﾌｧｲﾙ  ｢%s」 \n\n %d 年 %d 月 %d 日\n\n %s(始) %s(H) %s(L) %s(終) %s(Vol)\n\n "
            "データを編集しますか？\n\n編集するときは[Y]を押してください。\n\nスキップ(無視)"
            "するときは[N]を押してください。",
            s.title.c_str(), r.year, r.month, r.day, Printf("%10.2f", r.open).c_str(),
            Printf("%10.2f", r.high).c_str(), Printf("%10.2f", r.low).c_str(),
            Printf("%10.2f", r.close).c_str(),
            Printf("%14lld", static_cast<long long>(r.volume)).c_str());
        const Answer answer = c.env.prompts.ShowMessage(text, " 入力データエラー(ER00704)",
                                                        Buttons::YesNoCancel, Icon::Exclamation);
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::No) {
            c.state.skipCorrections = true;
            return true;
        }
        if (c.env.correctRecord) {
            if (const auto corrected = c.env.correctRecord(r)) {
                r = *corrected;
                Widen(r);
            }
        }
        return true;
    }

    void Store(const RecordValues& r, float rawVolume) {
        const int i = s.barCount;
        s.year[i] = static_cast<std::int16_t>(r.year);
        s.month[i] = static_cast<std::uint8_t>(r.month);
        s.day[i] = static_cast<std::uint8_t>(r.day);
        s.open[i] = r.open;
        s.high[i] = r.high;
        s.low[i] = r.low;
        s.close[i] = r.close;
        s.rawVolume[i] = rawVolume;
        volumes[i] = r.volume;
        ++s.barCount;
    }

    // Display units: above a million the volumes are shown in thousands.
    void ScaleVolumes() {
        s.volumeDivisor = 1;
        std::int64_t top = largestVolume;
        if (largestVolume > 1000000) {
            s.volumeDivisor = 1000;
            top = (largestVolume + 99999) / 100000 * 100;
        }
        for (int i = 0; i < s.barCount; ++i)
            s.volume[i] = ClampToInt32(volumes[i] / s.volumeDivisor);
        s.maxVolume = ClampToInt32(top);
        s.peakVolume = ClampToInt32(largestVolume / s.volumeDivisor);
    }

    void RoundExtremes() {
        s.rawMaxHigh = s.maxHigh;
        s.rawMinLow = s.minLow;
        if (s.maxHigh > 2.0f) {
            s.maxHigh = std::ceil(s.maxHigh);
            s.minLow = std::floor(s.minLow);
        }
        s.loadMaxHigh = s.maxHigh;
        s.loadMinLow = s.minLow;
    }
};

int StartDateError(platform::Prompts& prompts, const char* text) {
    prompts.ShowMessage(text, "エラーメッセージ", Buttons::Ok, Icon::None);
    return -1;
}

// The first date loaded, or nullopt when the day pointed at is not usable
// (after the message; the plot-start-by-cursor mode is then switched off).
std::optional<int> FirstDate(DataContext& c, const PriceSeries& s) {
    const int monthStart = DateKey(s.plotStartYear, s.plotStartMonth, 1);
    if (!c.state.plotStartMode) return monthStart;
    const platform::CivilDate today = TodayDate(c.env.clock);
    const int pointed = c.state.pointedDateKey;
    if (pointed >= monthStart && pointed <= DateKey(today.year, today.month, today.day))
        return pointed;
    c.env.prompts.ShowMessage(
        "ﾌﾟﾛｯﾄ開始日のｶｰｿﾙﾎﾟｲﾝﾃｨﾝｸﾞ不良です。もう一度、設定しなおしてください。", "メッセージ",
        Buttons::Ok, Icon::None);
    c.state.plotStartMode = false;
    c.effects.leavePlotStartMode = true;
    return std::nullopt;
}

int LoadInto(DataContext& c, PriceSeries& s, std::array<std::int64_t, kMaxBars>& volumes,
             const std::string& path, std::string_view bytes) {
    platform::Prompts& prompts = c.env.prompts;
    Load load{c, s, volumes};
    s.maxHigh = 0.0f;
    s.minLow = 100000000.0f;
    StkReader in(bytes);

    HeaderDirectives directives;
    if (ReadHeaderBlock(in, directives, prompts) < 0) return -21;
    s.chrFileName = directives.hasChrFile ? directives.chrFileName : std::string();
    s.hasChrFile = directives.hasChrFile;
    s.boxFileName = directives.hasBoxFile ? directives.boxFileName : std::string();
    s.hasBoxFile = directives.hasBoxFile;

    const auto idToken = in.NextToken();
    s.fileTypeId = idToken ? LeadingInt(*idToken) : 0;
    std::string_view texts[4];
    in.NextTokens(texts, 4);
    if (AnyTokenTooLong(texts, 4)) {
        ShowTokenTooLong(prompts, s.dataPath.empty() ? path : s.dataPath);
        return -21;
    }
    s.title = DisplayToken(texts[0]);
    s.subtitle = DisplayToken(texts[1]);
    s.unitLabel = DisplayToken(texts[2]);
    s.marketCode = DisplayToken(texts[3]);

    std::string_view date[3];
    in.NextTokens(date, 3);
    const int startYear = LeadingInt(date[0]);
    const int startMonth = LeadingInt(date[1]);
    const int startDay = LeadingInt(date[2]);
    if (startYear < 0 || startYear > 2050)
        return StartDateError(prompts, "データーファイルの日付設定(年）エラー");
    if (startMonth < 1 || startMonth > 12)
        return StartDateError(prompts, "データーファイルの日付設定(月）エラー");
    if (startDay < 1 || startDay > 31)
        return StartDateError(prompts, "データーファイルの日付設定(日）エラー");
    s.fileStartYear = WidenYear(startYear);
    s.fileStartMonth = startMonth;
    if (s.PlotStartUnset()) {
        s.plotStartYear = s.fileStartYear;
        s.plotStartMonth = s.fileStartMonth;
    }
    const auto firstDate = FirstDate(c, s);
    if (!firstDate) return -1;

    s.barCount = 0;
    int line = 0;
    std::string_view t[8];
    // Records before the start do not take places among the bars.
    while (s.barCount < kMaxBars && in.NextTokens(t, 8) == 8) {
        ++line;
        RecordValues r;
        r.year = LeadingInt(t[0]);
        if (r.year < 100) r.year = WidenYear(r.year);
        r.month = LeadingInt(t[1]);
        if (r.month < 1 || r.month > 12) return -206;
        r.day = LeadingInt(t[2]);
        if (DateKey(r.year, r.month, r.day) < *firstDate) continue;
        r.open = LeadingFloat(t[3]);
        r.high = LeadingFloat(t[4]);
        r.low = LeadingFloat(t[5]);
        r.close = LeadingFloat(t[6]);
        const VolumeValue volume = LeadingVolume(t[7]);
        r.volume = volume.whole;
        load.Widen(r);

        load.FixZeroOpen(r, line);
        FailedCheck failed[4];
        const int failures = FailedChecks(s.fileTypeId, r, failed);
        if (const int cancelled = load.ExplainChecks(failed, failures, r, line)) return cancelled;
        float rawVolume = volume.raw;
        if (failures > 0) {
            const std::int64_t before = r.volume;
            if (!load.OfferCorrection(r)) return -1;
            if (r.volume != before) rawVolume = static_cast<float>(r.volume);
        }
        load.Store(r, rawVolume);
    }

    if (s.barCount < 2) {
        prompts.ShowMessage(
            Printf(
                "開始日以降のﾃﾞｰﾀが見つかりません！\n\nﾃﾞｰﾀ ﾀｲﾄﾙ    %s  \n開始設定日  %4d 年 %2d "
                "月 １日\n\nﾃﾞｰﾀﾌｧｲﾙ あるいは「開始日」再設定してください。",
                s.title.c_str(), s.plotStartYear, s.plotStartMonth),
            "エラーメッセージ", Buttons::Ok, Icon::None);
        return -1;
    }
    load.ScaleVolumes();
    load.RoundExtremes();

    if (IsDailyType(s.fileTypeId)) {
        c.effects.periodCommandsEnabled = true;
    } else {
        c.effects.periodCommandsEnabled = false;
        if (!c.state.weeklyDerived && !c.state.monthlyDerived) c.effects.backToDailyEnabled = false;
    }
    return s.barCount;
}

}  // namespace

int LoadPriceSeries(DataContext& context, const std::string& path, std::string_view contents) {
    // Built aside and committed only when the load succeeds, so a failed load
    // never leaves a mixture of two files in the series.
    auto scratch = std::make_unique<PriceSeries>(context.series);
    auto volumes = std::make_unique<std::array<std::int64_t, kMaxBars>>();
    const int result = LoadInto(context, *scratch, *volumes, path, contents);
    context.state.detailedMessages = false;
    if (result >= 0) context.series = *scratch;
    return result;
}

int LoadPriceSeries(DataContext& context, const std::string& path) {
    const auto bytes = ReadFileBytes(context.env.Resolve(path));
    if (!bytes) {
        context.state.detailedMessages = false;
        return -3;
    }
    return LoadPriceSeries(context, path, *bytes);
}

}  // namespace korvo::data

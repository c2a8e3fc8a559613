#include "data/derive_period.h"

#include <algorithm>
#include <cstdint>

#include "data/calendar.h"
#include "data/data_text.h"
#include "data/header_block.h"
#include "data/heading_text.h"
#include "data/printf.h"
#include "data/progress_bar.h"
#include "data/stk_reader.h"
#include "platform/codec.h"
#include "platform/files.h"

namespace korvo::data {

namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

struct Derivation {
    const char* question;
    int cancelCode;
    const char* workName;
    const char* prefix;  // of the annotation names and the proposed file name
    int fileTypeId;
    bool backUpNewTarget;
    bool reportUnreadable;
    bool weekly;
};

constexpr Derivation kWeekly{
    "週足 ﾃﾞｰﾀﾌｧｲﾙ を保存しますか？", -81, kWeeklyWorkName, "w", 212, true, true, true};
constexpr Derivation kMonthly{
    "月足ﾃﾞｰﾀﾌｧｲﾙを保存しますか？", -82, kMonthlyWorkName, "m", 214, false, false, false};

// One week or month being collected.
struct Group {
    std::int64_t key = 0;
    int year = 0, month = 0, day = 0;
    float open = 0.0f, high = 0.0f, low = 0.0f, close = 0.0f;
    std::int64_t volume = 0;
};

void AppendGroup(std::string& out, const Group& g) {
    out +=
        Printf("%4d %2d %2d\t%8.2f\t%8.2f\t%8.2f\t%8.2f\t%lld\n", g.year, g.month, g.day,
               static_cast<double>(g.open), static_cast<double>(g.high), static_cast<double>(g.low),
               static_cast<double>(g.close), static_cast<long long>(g.volume));
}

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) return b > 0 ? INT64_MAX : INT64_MIN;
    return sum;
}

class Deriver {
  public:
    Deriver(DataContext& c, const Derivation& d) : c_(c), d_(d) {}

    int Run() {
        const Answer save = Prompts().ShowMessage(d_.question, "ﾃﾞｰﾀﾌｧｲﾙ保存", Buttons::YesNoCancel,
                                                  Icon::Question);
        if (save == Answer::Cancel) return d_.cancelCode;
        saving_ = save == Answer::Yes;
        if (saving_) {
            appending_ =
                Prompts().ShowMessage("既存の ﾃﾞｰﾀﾌｧｲﾙ に追加保存しますか？", "ﾃﾞｰﾀﾌｧｲﾙ保存",
                                      Buttons::YesNo, Icon::Question) == Answer::Yes;
            if (appending_) {
                if (const int r = StartFromExistingFile(); r < 0) return r;
            }
        }
        const auto daily = ReadFileBytes(Path(kWorkingCopyName));
        if (!daily) return Unwritable(kWorkingCopyName);
        if (const int r = Build(*daily); r < 0) return r;
        if (!platform::WriteFileAtomically(Path(d_.workName), out_)) return Unwritable(d_.workName);
        if (saving_) {
            if (const int r = Save(); r < 0) return r;
        }
        if (platform::CopyFileExpanding(Path(d_.workName), Path(kWorkingCopyName)) !=
            platform::kCopyOk)
            return CannotSave();
        platform::RemoveFileQuietly(Path(d_.workName));
        return 1;
    }

  private:
    platform::Prompts& Prompts() { return c_.env.prompts; }
    fs::path Path(const std::string& name) const { return c_.env.Resolve(name); }

    int Unwritable(const char* caption) {
        if (d_.reportUnreadable)
            Prompts().ShowMessage("ファイル書き込み禁止です。", caption, Buttons::Ok, Icon::None);
        return -3;
    }

    int CannotSave() {
        Prompts().ShowMessage("ファイルの作成/保存できません", "エラーメッセージ(F002)",
                              Buttons::Ok, Icon::Stop);
        return -1;
    }

    // Append mode: the chosen file is backed up and the new records follow its contents.
    int StartFromExistingFile() {
        platform::FileDialogRequest request;
        request.filters = {{"Data Files(*.stk)", "*.stk"}};
        request.mustExist = true;
        const auto chosen = Prompts().OpenFile(request);
        if (!chosen) return -3;
        target_ = *chosen;
        if (platform::CopyFileExpanding(Path(target_), Path(kDerivationBackupName)) !=
            platform::kCopyOk)
            return Unwritable(kDerivationBackupName);
        if (platform::CopyFileExpanding(Path(target_), Path(d_.workName)) != platform::kCopyOk)
            return Unwritable(d_.workName);
        const auto existing = ReadFileBytes(Path(d_.workName));
        if (!existing) return Unwritable(d_.workName);
        out_ = *existing;
        // A file that ends in the middle of its last line would swallow the first new record.
        if (!out_.empty() && !IsTokenSpace(out_.back())) out_ += '\n';
        return 0;
    }

    void AppendHeading(const HeaderDirectives& directives, const std::string_view* heading) {
        const platform::CivilDate today = TodayDate(c_.env.clock);
        const std::string title = CommentSafe(heading[1]);
        out_ += d_.weekly ? Printf("< Header \n\r\n '%s'  Weekly data file created %d/%d/%d ",
                                   title.c_str(), today.year, today.month, today.day)
                          : Printf("< Header \n\r\n '%s'  Monthly data file created %d/%d/%d ",
                                   title.c_str(), today.year, today.month, today.day);
        // A directive the daily file does not have is not invented.
        if (directives.hasChrFile)
            out_ += "\n@d[" + std::string(d_.prefix) + directives.chrFileName + "]";
        if (directives.hasBoxFile)
            out_ += "\n@s[" + std::string(d_.prefix) + directives.boxFileName + "]";
        out_ += "  >\n\n";
        out_ += Printf("\n%d\n", d_.fileTypeId);
        for (int i = 1; i <= 4; ++i) {
            out_ += heading[i];
            out_ += '\n';
        }
        out_ += Printf("%d\t%d\t%d\n", LeadingInt(heading[5]), LeadingInt(heading[6]),
                       LeadingInt(heading[7]));
    }

    std::int64_t KeyOf(int year, int month, int day) const {
        // The year is part of the key, so equal weeks or months of different
        // years never merge.
        return static_cast<std::int64_t>(year) * 100 +
               (d_.weekly ? WeekOfYear(year, month, day) : month);
    }

    int Build(const std::string& daily) {
        StkReader in(daily);
        HeaderDirectives directives;
        if (ReadHeaderBlock(in, directives, Prompts()) < 0) return -1;
        std::string_view heading[8];
        if (in.NextTokens(heading, 8) < 8) return -1;
        const auto id = WholeInt(heading[0]);
        if (!id || *id < 210 || *id > 229) return -1;
        if (AnyTokenTooLong(heading + 1, 4)) {
            ShowTokenTooLong(Prompts(),
                             c_.series.dataPath.empty() ? kWorkingCopyName : c_.series.dataPath);
            return -1;
        }
        title_ = heading[1];
        if (!appending_) AppendHeading(directives, heading);

        Group group;
        bool open = false;
        std::string_view t[8];
        for (int i = 0; i < kMaxRecords && in.NextTokens(t, 8) == 8; ++i) {
            const int year = WidenYear(LeadingInt(t[0]));
            const int month = LeadingInt(t[1]);
            const int day = LeadingInt(t[2]);
            if (year < 0 || month < 1 || month > 12 || day < 1 || day > 31) return -1;
            const float high = LeadingFloat(t[4]);
            const float low = LeadingFloat(t[5]);
            const std::int64_t key = KeyOf(year, month, day);
            if (!open || key != group.key) {
                if (open) AppendGroup(out_, group);
                group = Group{};
                group.key = key;
                group.open = LeadingFloat(t[3]);
                group.high = high;
                group.low = low;
                open = true;
            }
            group.high = std::max(group.high, high);
            group.low = std::min(group.low, low);
            group.year = year;
            group.month = month;
            group.day = day;
            group.close = LeadingFloat(t[6]);
            group.volume = SaturatingAdd(group.volume, LeadingVolume(t[7]).whole);
            const int step = (i / 100) % 100;
            if (step % 10 == 0) ShowProgress(c_.env.progress, step, 100);
        }
        if (open) AppendGroup(out_, group);
        ShowProgress(c_.env.progress, 99, 100);
        return 0;
    }

    int Save() {
        if (!appending_) {
            platform::FileDialogRequest request;
            request.title = "ファイルの保管";
            request.filters = {{"Data Files(*.stk)", "*.stk"}};
            request.presetName = d_.prefix + platform::Cp932ToUtf8Lossy(title_) + "1.stk";
            request.promptOverwrite = true;
            const auto chosen = Prompts().SaveFile(request);
            if (!chosen) {
                Prompts().ShowMessage("ファイルの保存できません", "エラーメッセージ(F002)",
                                      Buttons::Ok, Icon::Stop);
                return -1;
            }
            target_ = *chosen;
            std::error_code ec;
            if (d_.backUpNewTarget && fs::exists(Path(target_), ec) &&
                platform::CopyFileExpanding(Path(target_), Path(kDerivationBackupName)) !=
                    platform::kCopyOk)
                return CannotSave();
        }
        if (platform::CopyFileExpanding(Path(d_.workName), Path(target_)) != platform::kCopyOk)
            return CannotSave();
        c_.series.dataPath = target_;
        return 0;
    }

    DataContext& c_;
    const Derivation& d_;
    bool saving_ = false;
    bool appending_ = false;
    std::string target_;
    std::string title_;
    std::string out_;
};

}  // namespace

int WeekOfYear(int year, int month, int day) {
    return (Jan1Weekday(year) - 1 + DayOrdinal(year, 1, 1, year, month, day)) / 7;
}

int MakeWeeklyFile(DataContext& context) {
    return Deriver(context, kWeekly).Run();
}

int MakeMonthlyFile(DataContext& context) {
    return Deriver(context, kMonthly).Run();
}

}  // namespace korvo::data

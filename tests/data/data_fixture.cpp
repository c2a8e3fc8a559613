#include "data_fixture.h"

#include <chrono>

namespace korvo::data::testing {

std::string Heading(int id, const std::string& start, const std::string& title) {
    return std::to_string(id) + "\n" + title + "\nSUB\nYen\n1234\n" + start + "\n";
}

std::string Line(int year, int month, int day, const std::string& values) {
    return " " + std::to_string(year) + " " + std::to_string(month) + " " + std::to_string(day) +
           " " + values;
}

std::string Stk(const std::string& heading, const std::vector<std::string>& lines) {
    std::string text = heading;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

std::vector<std::string> WeekdayLines(int year, int month, int day, int count) {
    using namespace std::chrono;
    sys_days date = year_month_day{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                                   std::chrono::day{unsigned(day)}};
    std::vector<std::string> lines;
    for (int i = 0; lines.size() < static_cast<std::size_t>(count); date += days{1}) {
        const weekday wd{date};
        if (wd == Saturday || wd == Sunday) continue;
        const year_month_day ymd{date};
        const int base = 1000 + i % 97;
        lines.push_back(Line(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
                             std::to_string(base) + " " + std::to_string(base + 20) + " " +
                                 std::to_string(base - 20) + " " + std::to_string(base + 5) + " " +
                                 std::to_string(10000 + i)));
        ++i;
    }
    return lines;
}

DataFixture::DataFixture()
    : env{prompts, clock, dir.Path(), progress, {}}, context{series, state, env, effects} {}

int DataFixture::OpenAndLoad(const std::string& contents, const std::string& name) {
    dir.Write(name, contents);
    if (!OpenDataFile(context, UserPath(name))) return -9999;
    const int result = ReloadWorkingCopy(context);
    EXPECT_EQ(korvo::test::ReadFile(dir / name), contents) << "the user's file was changed";
    return result;
}

std::string DataFixture::UserPath(const std::string& name) const {
    return (dir / name).string();
}

std::string DataFixture::WorkingCopy() const {
    return korvo::test::ReadFile(dir / "korvo.TMP");
}

void DataFixture::WriteWorkingCopy(const std::string& contents) const {
    dir.Write("korvo.TMP", contents);
}

std::vector<std::string> DataFixture::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : prompts.Messages())
        texts.push_back(m.text);
    return texts;
}

const platform::RecordedMessage& DataFixture::LastMessage() const {
    static const platform::RecordedMessage none{};
    return prompts.Messages().empty() ? none : prompts.Messages().back();
}

}  // namespace korvo::data::testing

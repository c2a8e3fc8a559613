#include "lists/lists_fixture.h"

#include "data/data_fixture.h"

namespace korvo::lists::testing {

ListsFixture::ListsFixture()
    : env{prompts, clock, dir.Path(), progress, {}}, context{series, state, env, effects} {}

std::string ListsFixture::DataFile(const std::string& name, const std::string& title, int records,
                                   int year, int month, int day) {
    using data::testing::Heading;
    using data::testing::Stk;
    using data::testing::WeekdayLines;
    const std::string start =
        std::to_string(year) + " " + std::to_string(month) + " " + std::to_string(day);
    return dir.Write(name, Stk(Heading(210, start, title), WeekdayLines(year, month, day, records)))
        .string();
}

void ListsFixture::WriteList(int list, const std::vector<PortfolioEntry>& entries) {
    ASSERT_TRUE(WritePortfolioList(ListPath(list), entries));
}

std::filesystem::path ListsFixture::ListPath(int list) const {
    return dir / PortfolioListName(list);
}

std::string ListsFixture::ListBytes(int list) const {
    return korvo::test::ReadFile(ListPath(list));
}

std::vector<std::string> ListsFixture::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : prompts.Messages())
        texts.push_back(m.text);
    return texts;
}

}  // namespace korvo::lists::testing

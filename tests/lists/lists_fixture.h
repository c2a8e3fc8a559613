// A start directory with prompts, data files of weekday records, and the
// portfolio lists written as the program writes them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/data.h"
#include "lists/lists.h"
#include "platform/scripted_prompts.h"
#include "support/temp_dir.h"

namespace korvo::lists::testing {

class ListsFixture : public ::testing::Test {
  protected:
    ListsFixture();

    // A daily data file of `records` weekdays from the start date, titled `title`.
    std::string DataFile(const std::string& name, const std::string& title, int records = 30,
                         int year = 2024, int month = 1, int day = 2);
    // Writes portfolio list `list` (0 to 2) with these entries.
    void WriteList(int list, const std::vector<PortfolioEntry>& entries);
    std::filesystem::path ListPath(int list) const;
    std::string ListBytes(int list) const;
    std::vector<std::string> Texts() const;

    korvo::test::TempDir dir;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{{2026, 1, 15}};
    platform::NullProgress progress;
    std::unique_ptr<data::PriceSeries> seriesStore = std::make_unique<data::PriceSeries>();
    data::PriceSeries& series = *seriesStore;
    data::DataState state;
    data::DataEffects effects;
    data::LoadEnvironment env;
    data::DataContext context;
    ListsState lists;
};

}  // namespace korvo::lists::testing

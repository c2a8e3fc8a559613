// A start directory with the services the data steps talk through, and small
// builders for data file texts.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/data.h"
#include "platform/scripted_prompts.h"
#include "support/temp_dir.h"

namespace korvo::data::testing {

class RecordingProgress : public platform::ProgressSink {
  public:
    void ShowProgress(int value, int maximum) override { calls.emplace_back(value, maximum); }
    std::vector<std::pair<int, int>> calls;
};

// "210\nTitle\nSUB\nYen\n1234\n2004 1 1\n" and the like.
std::string Heading(int id = 210, const std::string& start = "2004 1 1",
                    const std::string& title = "Title");
// " 2004 1 5 100 110 90 105 1000"
std::string Line(int year, int month, int day, const std::string& values = "100 110 90 105 1000");
// A file of the heading and the record lines, one per line.
std::string Stk(const std::string& heading, const std::vector<std::string>& lines);
// `count` records on consecutive weekdays from the date, prices drifting with the index.
std::vector<std::string> WeekdayLines(int year, int month, int day, int count);

class DataFixture : public ::testing::Test {
  protected:
    DataFixture();

    // Writes the user's file, opens it as the open command does and runs the
    // reload; checks that the user's file is byte for byte what was written.
    int OpenAndLoad(const std::string& contents, const std::string& name = "user.stk");
    std::string UserPath(const std::string& name = "user.stk") const;
    std::string WorkingCopy() const;
    void WriteWorkingCopy(const std::string& contents) const;
    // The texts of every message shown, in order.
    std::vector<std::string> Texts() const;
    const platform::RecordedMessage& LastMessage() const;

    korvo::test::TempDir dir;
    platform::ScriptedPrompts prompts;
    platform::FixedClock clock{{2026, 12, 7}};
    RecordingProgress progress;
    std::unique_ptr<PriceSeries> seriesStore = std::make_unique<PriceSeries>();
    PriceSeries& series = *seriesStore;
    DataState state;
    DataEffects effects;
    LoadEnvironment env;
    DataContext context;
};

}  // namespace korvo::data::testing

// The record correction dialog DATACORREC: one faulty record of a load, its
// date and five values as editable texts. OK checks the fields in a fixed
// order and refuses the first bad one with its message; the dialog stays open
// until every check passes.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "data/data_state.h"
#include "platform/prompts.h"

namespace korvo::data {

class RecordCorrection {
  public:
    static constexpr const char* kName = "DATACORREC";
    static constexpr const char* kTitle = "データ修正編集";
    // Year, month, day, open, high, low, close, volume: controls 801 to 808.
    static constexpr int kFirstControl = 801;
    static constexpr int kFieldCount = 8;
    // Characters a price box is read to.
    static constexpr std::size_t kMaxNumberText = 31;

    using Fields = std::array<std::string, kFieldCount>;

    RecordCorrection(const RecordValues& asRead, platform::Prompts& prompts);

    // The record as read, as texts.
    const Fields& Initial() const { return initial_; }
    // OK: the corrected record, or nullopt after the message of the first check
    // that failed (the dialog stays open).
    std::optional<RecordValues> Accept(const Fields& fields);
    // The record confirmed by the last successful Accept.
    const std::optional<RecordValues>& Result() const { return result_; }

  private:
    std::optional<RecordValues> Refuse(const char* text);

    Fields initial_;
    platform::Prompts& prompts_;
    std::optional<RecordValues> result_;
};

}  // namespace korvo::data

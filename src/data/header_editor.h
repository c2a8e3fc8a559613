// The header editor DIALOG4A: a new, empty data file (header block, heading
// and start date, no records) that the quote imports then fill. The file is
// written to KORVO.EDT first and copied to where the user saves it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "data/data_state.h"

namespace korvo::data {

// The texts of the header editor's boxes (UTF-8).
struct HeaderFields {
    std::string fileTypeId;  // 801, shown only: the file always gets 210
    std::string title;       // 802
    std::string subtitle;    // 803
    std::string unit;        // 810
    std::string code;        // 811
    std::string startYear;   // 804
    std::string startMonth;  // 805
};

// What OK leaves: the dialog stays open, closes with the file created, or
// closes with Cancel.
enum class HeaderSave { StayOpen, Created, Cancelled };

class HeaderEditor {
  public:
    static constexpr const char* kName = "Dialog4A";
    static constexpr const char* kTitle = "データファイル・ヘッダー";
    static constexpr int kFileTypeId = 210;

    explicit HeaderEditor(LoadEnvironment& env) : env_(env) {}

    // Creates KORVO.EDT; false (after saying so) when it cannot be created,
    // and the dialog then closes with Cancel.
    bool Open();
    // ID 210 and today's year and month; the rest empty.
    HeaderFields Initial() const;
    // OK: the checks in order, the question, the file, the save dialog.
    HeaderSave Accept(const HeaderFields& typed);
    // The file created by the last Accept that returned Created (as the save
    // dialog gave it).
    const std::string& CreatedPath() const { return createdPath_; }

  private:
    HeaderSave Refuse(const char* text, const char* caption);
    std::string FileContents(const HeaderFields& f) const;

    LoadEnvironment& env_;
    std::string createdPath_;
};

// Runs the dialog over a HeaderEditor; true when it closed with OK.
using HeaderEditorRunner = std::function<bool(HeaderEditor&)>;

// What the quote imports use to make a new target: runs the header editor and
// returns the path of the file it created, nullopt when none was.
std::optional<std::string> CreateHeaderFile(LoadEnvironment& env, const HeaderEditorRunner& run);

}  // namespace korvo::data

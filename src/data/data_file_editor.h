// The data file editor DIALOG4: the heading fields and the loaded bars as
// editable text, written back as a data file. Editing the current series
// replaces only the working copy korvo.TMP, so the chart shows the edit while
// the user's own file stays as it was; the new-file mode saves a new file
// where the user chooses. Nothing is replaced before KORVO.EDT is complete.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

#include "data/clipboard_target.h"
#include "data/comment_editor.h"
#include "data/data_state.h"

namespace korvo::data {

// The texts of the editor's boxes (UTF-8); the data box with CR LF line ends.
struct EditorFields {
    std::string fileTypeId;  // 801
    std::string title;       // 802
    std::string subtitle;    // 803
    std::string unit;        // 810
    std::string code;        // 811
    std::string startYear;   // 804
    std::string startMonth;  // 805
    std::string data;        // 820
    friend bool operator==(const EditorFields&, const EditorFields&) = default;
};

// How the editor starts: shown, closed at once, or handed to the text editor
// (too many bars for its box; the caller starts the WordPad command).
enum class EditorOpening { Show, Closed, WordPad };
// What a save leaves: the dialog stays open, closes having saved (a reload of
// the working copy is requested), or closes without a new chart.
enum class EditorSave { StayOpen, Saved, Closed };

class DataFileEditor {
  public:
    static constexpr const char* kName = "DIALOG4";
    static constexpr const char* kTitle = "データファイル編集(Korvo ﾁｬｰﾄ)";
    enum Control : int {
        kFileTypeControl = 801,
        kTitleControl = 802,
        kSubtitleControl = 803,
        kStartYearControl = 804,
        kStartMonthControl = 805,
        kUnitControl = 810,
        kCodeControl = 811,
        kDataControl = 820,
        kNewFileButton = 9203,
        kCommentButton = 9204,
    };

    DataFileEditor(DataContext& context, bool newFileMode);

    // Creates KORVO.EDT and fills the fields: from the import defaults and
    // today in the new-file mode, else from the series. From 261 bars on asks
    // whether the text editor should take over instead.
    EditorOpening Open();

    const EditorFields& Fields() const { return fields_; }
    bool NewFileMode() const { return newFileMode_; }
    // Characters the data box takes.
    std::size_t TextLimit() const { return textLimit_; }
    // The header block written when the current series is saved (CP932); the
    // comment editor changes it.
    std::string& HeaderText() { return headerText_; }
    ClipboardTarget& Clipboard() { return clipboard_; }
    // "備考欄": the comment editor on the header text.
    CommentEditor Comment() { return CommentEditor(headerText_, context_.env.prompts); }

    // "新規作成": every field empty, and the save makes a new file.
    void StartNewFile();
    // "保存" / OK: the checks in order, the question, then the files.
    EditorSave Save(const EditorFields& typed);
    // "取消": nothing is written.
    void Cancel() { newFileMode_ = false; }

  private:
    EditorSave Refuse(const std::string& text, const std::string& caption,
                      platform::Icon icon = platform::Icon::None);
    bool Checked(const EditorFields& f);
    bool WriteEditFile(const EditorFields& f);
    std::string Heading(const EditorFields& f, bool& refused);
    std::string NewHeaderBlock(const EditorFields& f) const;
    std::string RecordsText(const std::string& typed) const;
    EditorSave ReplaceWorkingCopy();
    EditorSave SaveNewFile(const EditorFields& f);
    std::filesystem::path Path(const char* name) const { return context_.env.Resolve(name); }

    DataContext& context_;
    bool newFileMode_;
    EditorFields fields_;
    std::string headerText_;
    std::size_t textLimit_ = 0;
    ClipboardTarget clipboard_;
    // The lines the box was filled with (without line ends), by their date
    // keys. A line the user left as it was is saved as the working copy's own
    // record, so nothing the listing rounded is lost; the records outside the
    // dates listed are kept as well.
    std::unordered_map<std::string, int> listed_;
    int firstShownKey_ = 0;
    int lastShownKey_ = 0;
};

}  // namespace korvo::data

// Which edit box the copy, cut, paste and undo buttons of an editor act on:
// the last one that reported a change.
#pragma once

namespace korvo::data {

// The editors' clipboard buttons.
enum ClipboardButton : int {
    kCopyButton = 2501,
    kCutButton = 2502,
    kPasteButton = 2503,
    kUndoButton = 2504
};

class ClipboardTarget {
  public:
    void Changed(int control) { control_ = control; }
    // The control id, 0 while no box has changed.
    int Control() const { return control_; }

  private:
    int control_ = 0;
};

}  // namespace korvo::data

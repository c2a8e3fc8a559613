// The five modeless windows the main window can have open beside it. Each kind
// has a fixed slot; two pairs of kinds share one, and opening the second of a
// pair overwrites the handle of the first.
#pragma once

#include <array>
#include <cstddef>

namespace korvo::app {

enum class ModelessKind {
    Hints,         // DLGHINT
    DataList,      // LISTDLG
    Step,          // STEPDLG
    Brick,         // BRICKDLG
    InverseWatch,  // ANTIWATCHDLG
    Trident,       // TRIDENTDLG
    PointFigure,   // PFIGUREDLG
};

inline constexpr std::size_t kModelessSlotCount = 5;

// 0: hints or data list; 1: step; 2: brick or inverse watch; 3: trident; 4: P&F.
constexpr std::size_t SlotOf(ModelessKind kind) {
    switch (kind) {
        case ModelessKind::Hints:
        case ModelessKind::DataList:
            return 0;
        case ModelessKind::Step:
            return 1;
        case ModelessKind::Brick:
        case ModelessKind::InverseWatch:
            return 2;
        case ModelessKind::Trident:
            return 3;
        case ModelessKind::PointFigure:
            return 4;
    }
    return 0;
}

// Window handles by slot; 0 is an empty slot.
class ModelessSlots {
  public:
    void Opened(ModelessKind kind, int handle) { handles_[SlotOf(kind)] = handle; }
    // A window closed. Only the slot that still holds its handle is emptied: a
    // window whose slot was taken over by a newer one leaves the newer one there.
    void Closed(int handle) {
        if (handle == 0) return;
        for (int& h : handles_)
            if (h == handle) h = 0;
    }
    int Handle(std::size_t slot) const { return slot < handles_.size() ? handles_[slot] : 0; }
    bool IsOpen(std::size_t slot) const { return Handle(slot) != 0; }
    // In the fixed order in which they are offered a message.
    const std::array<int, kModelessSlotCount>& Handles() const { return handles_; }

  private:
    std::array<int, kModelessSlotCount> handles_{};
};

}  // namespace korvo::app

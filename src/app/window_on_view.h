// The main window as the mouse tools draw on it outside a paint: the price
// read-out's crosshair and the annotation's rubber band.
#pragma once

#include <functional>

#include "app/main_view.h"
#include "view/readout.h"

namespace korvo::app {

class WindowOnView : public view::ReadOutWindow {
  public:
    explicit WindowOnView(MainView& view) : view_(view) {}
    platform::Size ClientSize() const override { return view_.ClientSize(); }
    void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) override {
        view_.DrawOnWindow(draw);
    }
    void SetCrossCursor(bool cross) override {
        view_.SetCursor(cross ? CursorKind::Cross : CursorKind::Line);
    }
    void CaptureMouse(bool capture) override { view_.CaptureMouse(capture); }

  private:
    MainView& view_;
};

}  // namespace korvo::app

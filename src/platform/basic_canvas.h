// The state-keeping half of a Canvas, shared by every implementation.
#pragma once

#include <vector>

#include "platform/canvas.h"

namespace korvo::platform {

struct CanvasState {
    MapMode mapMode = MapMode::Device;
    Point viewportOrigin{};
    Pen pen{};
    Brush brush{0xFFFFFF, false};
    Font font{"System", 16, 700, false, false, false, 0, Charset::Default};
    Colour textColour = 0;
    Colour backgroundColour = 0xFFFFFF;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    RasterOp rasterOp = RasterOp::CopyPen;
    std::optional<Rect> clip;
    Point position{};  // current position for MoveTo/LineTo, logical
};

class BasicCanvas : public Canvas {
public:
    void SetMapMode(MapMode mode) override { state_.mapMode = mode; }
    MapMode GetMapMode() const override { return state_.mapMode; }
    void SetViewportOrigin(Point devicePixels) override { state_.viewportOrigin = devicePixels; }
    Point GetViewportOrigin() const override { return state_.viewportOrigin; }
    void SelectPen(const Pen& pen) override { state_.pen = pen; }
    void SelectBrush(const Brush& brush) override { state_.brush = brush; }
    void SelectFont(const Font& font) override { state_.font = font; }
    const Pen& CurrentPen() const override { return state_.pen; }
    const Brush& CurrentBrush() const override { return state_.brush; }
    const Font& CurrentFont() const override { return state_.font; }
    void SetTextColour(Colour colour) override { state_.textColour = colour; }
    void SetBackgroundColour(Colour colour) override { state_.backgroundColour = colour; }
    void SetBackgroundMode(BackgroundMode mode) override { state_.backgroundMode = mode; }
    void SetTextAlign(HAlign h, VAlign v) override {
        state_.hAlign = h;
        state_.vAlign = v;
    }
    void SetRasterOp(RasterOp op) override { state_.rasterOp = op; }
    void SetClip(std::optional<Rect> deviceRect) override {
        state_.clip = deviceRect ? std::optional<Rect>(deviceRect->Normalised()) : std::nullopt;
    }
    std::optional<Rect> GetClip() const override { return state_.clip; }
    void Save() override { saved_.push_back(state_); }
    void Restore() override {
        if (saved_.empty()) return;
        state_ = saved_.back();
        saved_.pop_back();
    }
    void MoveTo(Point p) override { state_.position = p; }

    const CanvasState& State() const { return state_; }

protected:
    CanvasState state_;

private:
    std::vector<CanvasState> saved_;
};

}  // namespace korvo::platform

#include "altcharts/chart_window.h"

#include <algorithm>

#include "altcharts/brick_chart.h"
#include "altcharts/step_chart.h"
#include "altcharts/trident_chart.h"
#include "view/scroll.h"

namespace korvo::altcharts {

namespace {

// 370 (350) by 300 dialog units at two pixels a unit.
constexpr ChartWindowTemplate kStepTemplate{"STEPDLG", "      ｽﾃｯﾌﾟﾁｬｰﾄ ", {740, 600}};
constexpr ChartWindowTemplate kBrickTemplate{"BRICKDLG", "      ﾌﾞﾘｯｸﾁｬｰﾄ", {740, 600}};
constexpr ChartWindowTemplate kTridentTemplate{"TRIDENTDLG", "      ﾄﾗｲﾃﾞﾝﾄ ﾁｬｰﾄ", {700, 600}};

// The end of a scroll range, pages x extent, kept well inside int.
int RangeEnd(int pages, int extent) {
    const long long end = static_cast<long long>(pages) * std::max(extent, 0);
    return static_cast<int>(std::min(end, 1'000'000'000LL));
}

}  // namespace

const ChartWindowTemplate& TemplateOf(AltChartKind kind) {
    switch (kind) {
        case AltChartKind::Step:
            return kStepTemplate;
        case AltChartKind::Brick:
            return kBrickTemplate;
        case AltChartKind::Trident:
            return kTridentTemplate;
    }
    return kStepTemplate;
}

AltChartOutcome DrawAltChart(AltChartKind kind, const AltChartTarget& target,
                             AltChartSettings& settings, AltChartModes& modes) {
    switch (kind) {
        case AltChartKind::Step:
            return DrawStepChart(target, settings, modes);
        case AltChartKind::Brick:
            return DrawBrickChart(target, settings, modes);
        case AltChartKind::Trident:
            return DrawTridentChart(target, modes);
    }
    return {};
}

AltChartOutcome PaintChartWindow(AltChartKind kind, platform::Canvas& canvas,
                                 const AltChartTarget& target, AltChartSettings& settings,
                                 AltChartModes& modes) {
    canvas.FillRect(platform::Rect{0, 0, target.client.width, target.client.height},
                    platform::Brush{kWindowFace, false});
    return DrawAltChart(kind, target, settings, modes);
}

ChartWindow::ChartWindow(AltChartKind kind, const ChartWindowContext& context)
    : context_(context), kind_(kind) {}

bool& ChartWindow::OpenFlag() {
    AltChartWindowFlags& f = context_.flags;
    switch (kind_) {
        case AltChartKind::Step:
            return f.stepOpen;
        case AltChartKind::Brick:
            return f.brickOpen;
        case AltChartKind::Trident:
            return f.tridentOpen;
    }
    return f.stepOpen;
}

void ChartWindow::MarkOpen() {
    open_ = true;
    OpenFlag() = true;
    position_ = platform::Point{};
}

void ChartWindow::Closed() {
    if (!open_) return;
    open_ = false;
    OpenFlag() = false;
}

AltChartOutcome ChartWindow::Paint(platform::Canvas& canvas, platform::Size client) {
    const AltChartTarget target{&canvas,          context_.objects,
                                context_.series,  {context_.startDirectory, context_.written},
                                context_.prompts, client,
                                position_};
    last_ = PaintChartWindow(kind_, canvas, target, context_.settings, context_.modes);
    if (kind_ == AltChartKind::Brick && last_.result == kAltChartNoMemory)
        context_.prompts.ShowMessage("メモリー不足です！", "エラーメッセージ(M0011)",
                                     platform::Buttons::Ok, platform::Icon::Stop);
    return last_;
}

int ChartWindow::PagesAcross(PageCounts main) const {
    return std::max(std::abs(main.across), last_.pagesAcross);
}

int ChartWindow::PagesDown(PageCounts main) const {
    // The step window ranges over the main chart's pages down, the others over its pages across.
    const int mainPages = kind_ == AltChartKind::Step ? main.down : main.across;
    return std::max(std::abs(mainPages), last_.pagesDown);
}

platform::Size ChartWindow::ScrollRange(platform::Size client, PageCounts main) const {
    return platform::Size{RangeEnd(PagesAcross(main), client.width),
                          RangeEnd(PagesDown(main), client.height)};
}

ChartWindow::ScrollStep ChartWindow::ScrollAcross(int request, int thumb, platform::Size client,
                                                  PageCounts main) {
    const int old = position_.x;
    position_.x =
        std::max(view::StepAltChart(request, old, thumb, PagesAcross(main), client.width), 0);
    return ScrollStep{position_.x, ScrollRange(client, main).width, position_.x != old};
}

ChartWindow::ScrollStep ChartWindow::ScrollDown(int request, int thumb, platform::Size client,
                                                PageCounts main) {
    const int old = position_.y;
    position_.y =
        std::max(view::StepVertical(request, old, thumb, PagesDown(main), client.height), 0);
    return ScrollStep{position_.y, ScrollRange(client, main).height, position_.y != old};
}

}  // namespace korvo::altcharts

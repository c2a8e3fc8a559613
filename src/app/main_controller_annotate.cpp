// The annotation commands of the main window procedure: write (8131) with its
// refusals, the text dialog and the placement under the left button, delete
// mode (3479), and what the paints of view modes 82 and 94 do for them.
#include "annotate/annotation_file.h"
#include "annotate/annotation_text_dialog.h"
#include "annotate/placement.h"
#include "annotate/save_annotation.h"
#include "app/command_ids.h"
#include "app/main_controller.h"
#include "app/program_layers.h"
#include "app/window_on_view.h"

namespace korvo::app {

namespace {

using platform::Buttons;
using platform::Icon;

constexpr const char* kRefusalCaption = "メッセージ";
constexpr const char* kPlotStartModeText = "書込みは,ﾌﾟﾛｯﾄ開始日(短期間)モードではできません。";
constexpr const char* kPlotStartModeCaption = "警告メッセージ";

// The open chart windows that keep the write command from running, each with
// its message.
struct OpenChartRefusal {
    bool altcharts::AltChartWindowFlags::*open;
    const char* text;
};
constexpr OpenChartRefusal kOpenChartRefusals[] = {
    {&altcharts::AltChartWindowFlags::stepOpen, "ステップチャートを閉じてからやり直してください。"},
    {&altcharts::AltChartWindowFlags::brickOpen,
     "ブリックチャートを閉じてからやり直してください。"},
    {&altcharts::AltChartWindowFlags::tridentOpen,
     "トライデントチャートを閉じてからやり直してください。"},
    {&altcharts::AltChartWindowFlags::pointFigureOpen,
     "Ｐ＆Ｆチャートを閉じてからやり直してください。"},
    {&altcharts::AltChartWindowFlags::inverseWatchOpen,
     "逆ウォッチチャートを閉じてからやり直してください。"},
};

}  // namespace

bool MainController::AnnotationWriteRefused() {
    const char* refusal = nullptr;
    if (state_.shell.scanMode) refusal = "スキャンモードを解除してからやり直してください。";
    for (const OpenChartRefusal& r : kOpenChartRefusals)
        if (!refusal && state_.altChartWindows.*r.open) refusal = r.text;
    if (!refusal) return false;
    services_.prompts.ShowMessage(refusal, kRefusalCaption, Buttons::Ok, Icon::Exclamation);
    return true;
}

bool MainController::AnnotationFileUsable() {
    const data::PriceSeries& s = state_.series;
    if (!s.hasChrFile) {
        services_.prompts.ShowMessage(annotate::kNoAnnotationFileText, kRefusalCaption, Buttons::Ok,
                                      Icon::Exclamation);
        return false;
    }
    const auto name = annotate::CheckAnnotationFileName(state_.startDirectory, s.chrFileName);
    if (!name.Accepted()) annotate::ShowRefusal(services_.prompts, name);
    return name.Accepted();
}

bool MainController::OnAnnotate(int) {
    if (AnnotationWriteRefused()) return false;
    ShellState& shell = state_.shell;
    // The small window beside the chart goes before the chart is written on.
    if (shell.modeless.IsOpen(0)) view_.CloseModeless(shell.modeless.Handle(0));
    if (state_.dataState.plotStartMode) {
        services_.prompts.Beep();
        services_.prompts.ShowMessage(kPlotStartModeText, kPlotStartModeCaption, Buttons::Ok,
                                      Icon::Stop);
        return false;
    }
    if (!AnnotationFileUsable()) return false;
    // The picture on the screen now is put back after the dialog, so the
    // rubber band is drawn over exactly what the user saw.
    const platform::Size client = view_.ClientSize();
    int taken = 0;
    view_.DrawOnWindow([&](platform::Canvas& canvas) {
        taken = state_.snapshot.Take(canvas, client, services_.prompts);
    });
    // A window that cannot be drawn on gives no picture: the chart is drawn
    // again after the dialog instead.
    if (taken == 0) {
        state_.snapshot.Clear();
        services_.prompts.Beep();
    }
    annotate::AnnotationTextDialog dialog(state_.annotations, state_.startDirectory,
                                          services_.prompts);
    const bool confirmed = view_.RunAnnotationTextDialog(dialog);
    state_.viewMode = kViewRestoreSnapshot;
    if (confirmed) {
        state_.annotations.placingText = true;
        view_.SetCursor(CursorKind::Cross);
        view_.CaptureMouse(true);
    }
    Invalidate(false);
    return false;
}

bool MainController::OnDeleteAnnotations(int) {
    if (!AnnotationFileUsable()) return false;
    // Each annotation is asked about as it is drawn: hidden ones are shown again.
    chart::ChartOptions& o = state_.chart;
    if (o.annotationsOff) o.annotationsOff = ToggleOption(kCmdAnnotationsOff, true);
    state_.annotations.deleteMode = true;
    ShowChart();
    return false;
}

void MainController::LeftButtonDown(platform::Point point) {
    WindowOnView window(view_);
    annotate::BeginPlacement(state_.annotations, window, point);
}

void MainController::LeftButtonUp(platform::Point point) {
    LeftButtonUp();
    WindowOnView window(view_);
    if (!annotate::EndPlacement(state_.annotations, window, point)) return;
    // Stored at once, as a paint in view mode 94 would; the chart is then
    // drawn again with the new annotation.
    state_.viewMode = kViewStoreAnnotation;
    StorePlacedAnnotation();
    Invalidate(false);
}

void MainController::StorePlacedAnnotation() {
    if (state_.viewMode != kViewStoreAnnotation) return;
    state_.viewMode = kViewChart;
    const auto& tools = state_.annotation.toolState;
    annotate::SaveContext context{
        state_.annotations,   state_.series,         state_.geometry,  state_.colours.annotation,
        {tools[0], tools[1]}, state_.startDirectory, services_.prompts};
    annotate::SaveTextAnnotation(context);
}

void MainController::AfterAnnotations() {
    state_.annotations.deleteMode = false;
    auto* layers = dynamic_cast<ProgramLayers*>(layers_.get());
    if (layers && layers->TakeRefreshRequest()) {
        state_.viewMode = kViewChart;
        repaintAfterPaint_ = true;
    }
}

}  // namespace korvo::app

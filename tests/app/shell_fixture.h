// A main window procedure running headless: a fake window that records what
// it is asked, scripted prompts, a recording launcher and a start directory
// holding the shipped korvo.ips and the sample data file.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_controller.h"
#include "app/main_view.h"
#include "app/program_state.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/progress.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompts.h"
#include "support/shipped_files.h"
#include "support/temp_dir.h"

namespace korvo::test {

class FakeView : public app::MainView {
  public:
    void Invalidate(bool erase) override { invalidations.push_back(erase); }
    void InstallMenu(const std::string& name) override {
        menus.push_back(name);
        checked.clear();
        enabled.clear();
    }
    void SetChecked(int id, bool on) override { checked[id] = on; }
    void SetEnabled(int id, bool on) override { enabled[id] = on; }
    void ShowScrollBars(bool shown) override { scrollBarsShown = shown; }
    void SetScrollBars(const chart::ScrollBars& bars) override { scrollBars = bars; }
    void SetCursor(app::CursorKind kind) override { cursors.push_back(kind); }
    void CaptureMouse(bool capture) override { captured = capture; }
    int OpenModeless(app::ModelessKind kind) override {
        opened.push_back(kind);
        return nextHandle++;
    }
    void CloseModeless(int handle) override { closed.push_back(handle); }
    platform::Size ClientSize() const override { return client; }
    platform::Size ScreenSize() const override { return screen; }
    std::optional<std::string> AskProgramPath() override {
        ++pathQuestions;
        return pathAnswer;
    }
    void Quit(int exitCode) override { quitCode = exitCode; }
    // The parameter dialogs: the test works the logic as a user would; without
    // a script the dialog is cancelled.
    bool RunMomentumParamDialog(indicators::MomentumParamDialog& dialog) override {
        ++dialogsRun;
        return momentumDialog && momentumDialog(dialog);
    }
    bool RunParameterTableDialog(indicators::ParameterTableDialog& dialog) override {
        ++dialogsRun;
        return parameterTableDialog && parameterTableDialog(dialog);
    }
    bool RunRciParamDialog(indicators::RciParamDialog& dialog) override {
        ++dialogsRun;
        return rciDialog && rciDialog(dialog);
    }

    bool RunGroupFileDialog(lists::GroupFileDialog& dialog) override {
        ++dialogsRun;
        return groupFileDialog && groupFileDialog(dialog);
    }
    bool RunPortfolioPicker(lists::PortfolioPicker& dialog) override {
        ++dialogsRun;
        return portfolioPicker && portfolioPicker(dialog);
    }
    bool RunMultiChartDialog(lists::MultiChartDialog& dialog) override {
        ++dialogsRun;
        return multiChartDialog && multiChartDialog(dialog);
    }
    int OpenDataList(const lists::DataListText& list) override {
        dataLists.push_back(list);
        return nextHandle++;
    }
    void ShowScanPopup(platform::Point at) override { scanPopups.push_back(at); }
    bool RunDataFileEditor(data::DataFileEditor& editor) override {
        ++dialogsRun;
        return dataFileEditor && dataFileEditor(editor);
    }
    bool RunHeaderEditor(data::HeaderEditor& editor) override {
        ++dialogsRun;
        return headerEditor && headerEditor(editor);
    }
    bool RunRecordCorrection(data::RecordCorrection& dialog) override {
        ++dialogsRun;
        return recordCorrection && recordCorrection(dialog);
    }
    // What is drawn straight onto the window (read-out, rubber band, snapshot).
    void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) override {
        draw(windowCanvas);
    }
    // The annotation text dialog, worked by the test; cancelled without a script.
    bool RunAnnotationTextDialog(annotate::AnnotationTextDialog& dialog) override {
        ++dialogsRun;
        return annotationDialog && annotationDialog(dialog);
    }
    void ShowPaintedSoFar() override { ++shownSoFar; }

    bool Checked(int id) const {
        const auto it = checked.find(id);
        return it != checked.end() && it->second;
    }
    const std::string& Menu() const {
        static const std::string none;
        return menus.empty() ? none : menus.back();
    }

    std::function<bool(indicators::MomentumParamDialog&)> momentumDialog;
    std::function<bool(indicators::ParameterTableDialog&)> parameterTableDialog;
    std::function<bool(indicators::RciParamDialog&)> rciDialog;
    std::function<bool(lists::GroupFileDialog&)> groupFileDialog;
    std::function<bool(lists::PortfolioPicker&)> portfolioPicker;
    std::function<bool(lists::MultiChartDialog&)> multiChartDialog;
    std::function<bool(data::DataFileEditor&)> dataFileEditor;
    std::function<bool(data::HeaderEditor&)> headerEditor;
    std::function<bool(data::RecordCorrection&)> recordCorrection;
    int dialogsRun = 0;
    std::vector<lists::DataListText> dataLists;
    std::vector<platform::Point> scanPopups;
    std::function<bool(annotate::AnnotationTextDialog&)> annotationDialog;
    platform::RecordingCanvas windowCanvas{platform::Size{1024, 700}};
    int shownSoFar = 0;

    std::vector<bool> invalidations;
    std::vector<std::string> menus;
    std::map<int, bool> checked;
    std::map<int, bool> enabled;
    bool scrollBarsShown = false;
    chart::ScrollBars scrollBars;
    std::vector<app::CursorKind> cursors;
    bool captured = false;
    std::vector<app::ModelessKind> opened;
    std::vector<int> closed;
    int nextHandle = 101;
    platform::Size client{1024, 700};
    platform::Size screen{1280, 800};
    std::optional<std::string> pathAnswer;
    int pathQuestions = 0;
    std::optional<int> quitCode;
};

// A started program: settings read from the shipped korvo.ips, window created.
class Shell {
  public:
    Shell() {
        CopyShippedFiles(dir.Path());
        state = std::make_unique<app::ProgramState>();
        settingsResult = app::ReadStartSettings(*state, dir.Path());
        controller = std::make_unique<app::MainController>(
            *state, view, app::ShellServices{prompts, launcher, clock, progress});
        controller->Create(dir.Path());
    }

    std::string SamplePath() const { return (dir / "sample.stk").string(); }

    // Opens the sample through the file dialog and paints once (the load).
    void OpenSample();
    // Paints into a recording canvas of the client size and returns the calls.
    std::vector<platform::CanvasCall> Paint();

    TempDir dir;
    std::unique_ptr<app::ProgramState> state;
    int settingsResult = 0;
    FakeView view;
    platform::ScriptedPrompts prompts;
    platform::RecordingLauncher launcher;
    platform::FixedClock clock{platform::CivilDate{2024, 12, 20}};
    platform::NullProgress progress;
    std::unique_ptr<app::MainController> controller;
};

}  // namespace korvo::test

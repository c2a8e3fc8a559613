// The main window's procedure: the one place where the user's actions become
// changes of the program's state. It creates and destroys the window's state,
// paints, and carries out the menu commands; the window it runs in is reached
// only through MainView, so the whole procedure runs headless in the tests.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/main_view.h"
#include "app/program_state.h"
#include "chart/chart_layers.h"
#include "chart/render_context.h"
#include "data/data_state.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "view/readout.h"

namespace korvo::app {

// The colour the window's background is cleared with (the stock dark grey).
inline constexpr platform::Colour kWindowBackground = 0x404040;
// Help pages in the program folder.
inline constexpr const char* kManualPage = "Manual_m.htm";
inline constexpr const char* kDownloadPage = "Download.htm";

// The outside services the procedure talks through.
struct ShellServices {
    platform::Prompts& prompts;
    platform::Launcher& launcher;
    const platform::Clock& clock;
    platform::ProgressSink& progress;
};

// Whether a command of the menus is carried out by this program yet. Items of
// commands that are not are shown greyed.
bool IsCommandImplemented(int id);

// The text editors looked for, in order, for the WordPad command.
const std::vector<std::string>& TextEditorNames();

class MainController {
  public:
    MainController(ProgramState& state, MainView& view, ShellServices services);
    ~MainController();
    MainController(const MainController&) = delete;
    MainController& operator=(const MainController&) = delete;

    // Window creation; `workingDirectory` becomes the start directory.
    void Create(const std::filesystem::path& workingDirectory);
    // Window destruction: back to daily data, signal files removed, settings
    // written, message loop ended. Runs once; later calls do nothing.
    void Destroy();
    bool Destroyed() const { return destroyed_; }

    // One paint of the client area into `canvas` (client size in pixels).
    void Paint(platform::Canvas& canvas);
    // A command word from a menu or another window: the low 16 bits select it.
    void Command(int commandWord);

    // A scroll request (view::ScrollRequest) of the scroll bars, the wheel or
    // the keys; `thumb` is where a released thumb stands. The chart is
    // repainted from the new position without erasing.
    void HorizontalScroll(int request, int thumb);
    void VerticalScroll(int request, int thumb);

    void LeftButtonUp();
    // The left button places an annotation after the write command's dialog:
    // pressed at its start, a rubber band to the release point, where it is
    // stored; then the chart is drawn with it.
    void LeftButtonDown(platform::Point point);
    void LeftButtonUp(platform::Point point);
    // The price read-out follows the right button (client pixels); releasing
    // it also ends a plot-start pick.
    void RightButtonDown(platform::Point point);
    void MouseMove(platform::Point point);
    void RightButtonUp(platform::Point point);
    bool ReadOutActive() const { return readOut_.readOutActive; }

    // A modeless window closed (it empties its slot).
    void ModelessClosed(int handle);

    // The drawings laid over the chart; later parts of the program plug theirs in.
    void SetLayers(std::unique_ptr<chart::ChartLayers> layers);
    chart::ChartLayers& Layers() { return *layers_; }

    const chart::RenderOutcome& LastRender() const { return lastRender_; }
    // The installed menu's name and the enable state the procedure gave an item.
    const std::string& MenuName() const { return menuName_; }
    bool ItemEnabled(int id) const;

    // The common end of every command that selects a data file.
    bool OpenCurrentFile();
    // Command 342: the chart replaces the opening screen; repaint.
    void ShowChart();
    // Installs a menu, greys what is not available, and puts the check marks back.
    void SwitchMenu(const std::string& name);
    // Checks the items of every option that is on.
    void SyncCheckMarks();
    // Flips an option and its check mark; returns the new state.
    bool ToggleOption(int command, bool flag);
    // The header editor, as the quote imports make a new target with it: the
    // path of the file created, nullopt when none was.
    std::optional<std::string> CreateHeaderFile();

  private:
    struct Handler;
    static const std::map<int, Handler>& Handlers();
    friend bool IsCommandImplemented(int id);

    // Carries out a command; false when it ended without asking for a repaint.
    bool Dispatch(int id);
    void Invalidate(bool erase);
    data::DataContext DataCall(data::DataEffects& effects, data::LoadEnvironment& env);
    void ApplyEffects(data::DataEffects& effects);
    void SetRule(int id, bool enabled);
    void ApplyEnableRules();
    void LeavePlotStartMode();
    view::ReadOutContext ReadOutOn(view::ReadOutWindow& window);
    bool FinishPlotStartPick();
    void ApplySizeAndShow();
    void DeleteSignalFiles() const;
    void PaintChart(platform::Canvas& canvas);
    void KeepCrosshair(platform::Canvas& canvas);
    bool ReloadForPaint();

    // Command handlers; each returns whether the window is repainted.
    bool OnOpenFile(int id);
    bool OnPeriod(int id);
    bool OnBackToDaily(int id);
    bool OnBarStyle(int id);
    bool OnShowChart(int id);
    bool OnRefreshObjects(int id);
    bool OnMovingAverageParams(int id);
    bool OnParameterTable(int id);
    bool OnRci(int id);
    bool OnPanelIndicator(int id);
    bool OnChartToggle(int id);
    bool OnDataLabels(int id);
    bool OnBollinger(int id);
    bool OnParabolicSar(int id);
    bool OnIchimokuAllOff(int id);
    bool OnGuideOff(int id);
    bool OnStandardColours(int id);
    bool OnColourElement(int id);
    bool OnFileMemo(int id);
    bool OnHints(int id);
    bool OnLocalPage(int id);
    bool OnWordPad(int id);
    bool OnExit(int id);
    bool OnSize(int id);
    bool OnCustomZoom(int id);
    bool OnCustomSize(int id);
    bool OnScale(int id);
    bool OnDisplayStart(int id);
    bool OnPlotStart(int id);
    // Portfolios, scan, multi-chart and the data list (list_commands.cpp).
    bool OnPortfolio(int id);
    bool OnScanStart(int id);
    bool OnScanStep(int id);
    bool OnGroupFile(int id);
    bool OnMultiChart(int id);
    bool OnListTable(int id);
    // Opens a data file chosen from a list as the open command would.
    bool OpenListedFile(const std::string& path);
    // The multi-chart pages the renderer loads file by file.
    void SetUpMultiChartPages(chart::RenderContext& context);
    int LoadMultiChartPage(int k);
    // The scan pop-up after a paint that a scan step or a click asked for.
    void ShowScanPopupIfAsked();
    bool OnChartWindow(int id);
    bool OnHeaderEditor(int id);
    bool OnNewFile(int id);
    bool OnEditCurrentFile(int id);
    bool RunDataFileEditor(bool newFile, int modeAfter);
    // What the load offers for a faulty record: the correction dialog.
    data::CorrectionDialog CorrectionHook();
    bool OnAnnotate(int id);
    bool OnDeleteAnnotations(int id);

    // The write command's refusals, each told in its message box.
    bool AnnotationWriteRefused();
    // The data file's annotation file can be written; the user is told when not.
    bool AnnotationFileUsable();
    // The placement just ended is stored (the paint of view mode 94).
    void StorePlacedAnnotation();
    // After a chart paint: delete mode is over, and a rewritten file is shown.
    void AfterAnnotations();

    ProgramState& state_;
    MainView& view_;
    ShellServices services_;
    std::unique_ptr<chart::ChartLayers> layers_;
    chart::RenderOutcome lastRender_;
    view::ReadOutState readOut_;
    // The last paint drew a chart the read-out can read.
    bool chartOnScreen_ = false;
    // A command carried out inside the paint asked for a repaint of its own.
    bool repaintAfterPaint_ = false;
    std::string menuName_;
    // Items whose enabling follows the loaded series, by id.
    std::map<int, bool> rules_;
    bool painting_ = false;
    bool destroyed_ = false;
};

// Start-up before any window: reads korvo.ips of the working directory.
// Returns 0, or -1 when there is none (the program then ends at once).
int ReadStartSettings(ProgramState& state, const std::filesystem::path& workingDirectory);

// After the message loop: the signal files written this run, then the work
// files, are deleted from the start directory.
void CleanUpWorkFiles(const ProgramState& state);

}  // namespace korvo::app

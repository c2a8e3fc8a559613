// What the main window's procedure needs of the window it runs in: repaint
// requests, the installed menu with its check marks and greyed items, the
// scroll bars, the cursor, the mouse capture, the modeless windows beside it,
// its sizes, the path question and the end of the message loop. The Qt main
// window implements it; the tests use a fake that records the calls.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "annotate/annotation_text_dialog.h"
#include "app/modeless.h"
#include "chart/render_context.h"
#include "data/data_file_editor.h"
#include "data/header_editor.h"
#include "data/record_correction.h"
#include "indicators/momentum_param_dialog.h"
#include "indicators/parameter_table_dialog.h"
#include "indicators/rci_param_dialog.h"
#include "lists/data_list.h"
#include "lists/group_file_dialog.h"
#include "lists/multi_chart_dialog.h"
#include "lists/portfolio_picker.h"
#include "platform/canvas.h"
#include "view/custom_size_dialog.h"
#include "view/display_start_dialog.h"
#include "view/scale_dialog.h"

namespace korvo::app {

enum class CursorKind { Line, Wait, Cross };

class MainView {
  public:
    virtual ~MainView() = default;

    // Asks for a paint of the whole client area; with erase the background is
    // cleared to the window's grey first.
    virtual void Invalidate(bool erase) = 0;
    // Replaces the menu bar by one of the program's menus (kChartMenuName, ...);
    // every check mark starts off and every item enabled.
    virtual void InstallMenu(const std::string& name) = 0;
    // Items the installed menu lacks are ignored.
    virtual void SetChecked(int id, bool on) = 0;
    virtual void SetEnabled(int id, bool on) = 0;

    virtual void ShowScrollBars(bool shown) = 0;
    virtual void SetScrollBars(const chart::ScrollBars& bars) = 0;
    virtual void SetCursor(CursorKind kind) = 0;
    virtual void CaptureMouse(bool capture) = 0;
    // Draws straight onto the client area as it shows now, outside a paint (the
    // price read-out): device pixels, origin at the top left, shown at once.
    // A window that cannot draw so ignores it.
    virtual void DrawOnWindow(const std::function<void(platform::Canvas&)>& draw) { (void)draw; }

    // The modal dialogs of the size and scale commands over the window, each
    // working through its logic. A window without them answers as Cancel does.
    virtual bool RunCustomSizeDialog(view::CustomSizeDialog& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool RunDisplayStartDialog(view::DisplayStartDialog& dialog) {
        (void)dialog;
        return false;
    }
    // kScaleChoseAutomatic or kScaleClosed.
    virtual int RunScaleDialog(view::ScaleDialog& dialog) { return dialog.Cancel(); }
    // The indicator parameter dialogs; true when closed with OK.
    virtual bool RunMomentumParamDialog(indicators::MomentumParamDialog& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool RunParameterTableDialog(indicators::ParameterTableDialog& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool RunRciParamDialog(indicators::RciParamDialog& dialog) {
        (void)dialog;
        return false;
    }

    // The group file editor, the portfolio picker and the multi-chart
    // selection; true when closed with OK.
    virtual bool RunGroupFileDialog(lists::GroupFileDialog& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool RunPortfolioPicker(lists::PortfolioPicker& dialog) {
        (void)dialog;
        return false;
    }
    virtual bool RunMultiChartDialog(lists::MultiChartDialog& dialog) {
        (void)dialog;
        return false;
    }
    // Opens the data list window with this table beside the main window and
    // returns its handle (0 when it cannot). It reports its closing as the
    // other modeless windows do.
    virtual int OpenDataList(const lists::DataListText& list) {
        (void)list;
        return 0;
    }
    // The scan pop-up menu with "▲" (command 7393) and "▼" (7392) at a client
    // point; the item chosen comes back as a command.
    virtual void ShowScanPopup(platform::Point at) { (void)at; }
    // The data editors and the record correction, each working through its
    // logic; true when closed with OK. A window without them answers as Cancel does.
    virtual bool RunDataFileEditor(data::DataFileEditor& editor) {
        (void)editor;
        return false;
    }
    virtual bool RunHeaderEditor(data::HeaderEditor& editor) {
        (void)editor;
        return false;
    }
    virtual bool RunRecordCorrection(data::RecordCorrection& dialog) {
        (void)dialog;
        return false;
    }
    // The text dialog of the write command; true when closed with OK.
    virtual bool RunAnnotationTextDialog(annotate::AnnotationTextDialog& dialog) {
        (void)dialog;
        return false;
    }
    // Shows what a paint has drawn so far, before it asks the user something
    // about it. A window that shows each paint only at its end does it here.
    virtual void ShowPaintedSoFar() {}

    // Opens a modeless window beside the main window and returns its handle
    // (never 0). The window reports its closing with MainController::ModelessClosed.
    virtual int OpenModeless(ModelessKind kind) = 0;
    virtual void CloseModeless(int handle) = 0;

    virtual platform::Size ClientSize() const = 0;
    // The display's resolution; 0 where it reports none.
    virtual platform::Size ScreenSize() const = 0;

    // The dialog INPUTDLG1: the path of an outside program; nullopt on cancel.
    virtual std::optional<std::string> AskProgramPath() = 0;

    // Ends the message loop with this exit code.
    virtual void Quit(int exitCode) = 0;
};

}  // namespace korvo::app

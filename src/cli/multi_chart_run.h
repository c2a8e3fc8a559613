// render --multi: the files of a multi-chart selection, set up as the
// multi-chart command leaves the program, and the pages the renderer loads.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "chart/render_context.h"
#include "cli/cli.h"

namespace korvo::cli {

class MultiChartRun {
  public:
    // "F1,F2[,F3]" as typed into the selection's boxes; the error text when
    // the list does not name one to three files.
    static std::optional<std::string> Read(const std::string& list, bool overlap,
                                           app::ProgramState& state);

    MultiChartRun(CliContext& context, app::ProgramState& state);

    // The modes the command sets: half height, or lines at 150 % superimposed;
    // the size factors of --size stay as given.
    void ApplyModes(bool overlap, bool sizeGiven);
    // The first file into the working copy and the series, with the detailed
    // record messages, as the paint after the command loads it; its result.
    int LoadFirst(data::DataState& dataState);
    // Scrolls as a window that had shown the first file alone: its newest bar
    // at 80 % of the width.
    void ScrollToNewestOfFirst(platform::Size window, platform::Size screen);
    // The renderer's loader of pages 1..count, which notes what each page loaded.
    chart::MultiChartPages Pages();
    // Per page drawn in sight: "page: N", "file: PATH", "barCount: N".
    void PrintPages(std::ostream& out) const;

  private:
    struct PageLoaded {
        int page = 0;
        std::string file;
        int barCount = 0;
    };

    CliContext& context_;
    app::ProgramState& state_;
    data::DataState pageState_;
    std::vector<PageLoaded> pages_;
};

}  // namespace korvo::cli

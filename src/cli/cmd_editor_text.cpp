// editor-text: the text the data file editor fills its box with.
#include <memory>
#include <ostream>

#include "cli/cli.h"
#include "cli/load_series.h"
#include "data/data.h"
#include "platform/codec.h"

namespace korvo::cli {

namespace {

int RunEditorText(CliContext& context) {
    const auto& p = context.Args().positional;
    if (p.size() != 1) {
        context.Err() << "usage: korvo-cli editor-text FILE.stk [--plot-start YYYY-MM]\n";
        return 2;
    }
    auto series = std::make_unique<data::PriceSeries>();
    if (const auto problem = ReadPlotStartOption(context, *series)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    data::DataState state;
    data::DataEffects effects;
    if (LoadSeries(context, p[0], *series, state, effects) < 0) return 1;
    // Every bar, however many: the editor itself hands 261 and more to the text editor.
    context.Out() << platform::Cp932ToUtf8Lossy(data::EditorText(*series));
    return 0;
}

Command MakeEditorTextCommand() {
    return Command{
        130,
        "editor-text",
        "editor-text FILE.stk [--plot-start YYYY-MM]",
        "load FILE as load does and print the text the data file editor fills its box with: "
        "every bar, newest first, tab-separated, CR LF line ends",
        {"--plot-start"},
        {},
        RunEditorText};
}

const bool registered = RegisterCommand(MakeEditorTextCommand());

}  // namespace

}  // namespace korvo::cli

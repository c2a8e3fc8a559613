// edit: the data file editor's save, headless. FILE is loaded as load does,
// the editor's fields are changed as the options say, and the edit is saved:
// into the working copy, or with --new as a new file.
#include <deque>
#include <filesystem>
#include <memory>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_line_user.h"
#include "cli/load_series.h"
#include "data/data.h"

namespace korvo::cli {

namespace {

namespace fs = std::filesystem;

const char* SaveName(data::EditorSave save) {
    switch (save) {
        case data::EditorSave::Saved:
            return "saved";
        case data::EditorSave::Closed:
            return "closed";
        case data::EditorSave::StayOpen:
            break;
    }
    return "refused";
}

// The fields as the options change them; false after saying why when a file
// named by an option cannot be read.
bool ApplyOptions(CliContext& context, data::DataFileEditor& editor, data::EditorFields& f) {
    struct TextOption {
        const char* name;
        std::string data::EditorFields::*field;
    };
    static constexpr TextOption kTexts[] = {{"--id", &data::EditorFields::fileTypeId},
                                            {"--title", &data::EditorFields::title},
                                            {"--subtitle", &data::EditorFields::subtitle},
                                            {"--unit", &data::EditorFields::unit},
                                            {"--code", &data::EditorFields::code},
                                            {"--start-year", &data::EditorFields::startYear},
                                            {"--start-month", &data::EditorFields::startMonth}};
    for (const TextOption& t : kTexts)
        if (const auto value = context.Option(t.name)) f.*t.field = *value;
    if (const auto dataFile = context.Option("--data")) {
        const auto text = data::ReadFileBytes(*dataFile);
        if (!text) {
            context.Err() << "korvo-cli: cannot read " << *dataFile << "\n";
            return false;
        }
        f.data = *text;
    }
    if (const auto commentFile = context.Option("--comment")) {
        const auto text = data::ReadFileBytes(*commentFile);
        if (!text) {
            context.Err() << "korvo-cli: cannot read " << *commentFile << "\n";
            return false;
        }
        data::CommentEditor comment = editor.Comment();
        comment.Accept(*text);
    }
    return true;
}

int RunEdit(CliContext& context) {
    const auto& p = context.Args().positional;
    if (p.size() != 1) {
        context.Err() << "usage: korvo-cli edit FILE.stk [--data TEXT] [--comment TEXT] [--id N] "
                         "[--title T] [--subtitle S] [--unit U] [--code C] [--start-year Y] "
                         "[--start-month M] [--new OUT.stk] [--plot-start YYYY-MM]\n";
        return 2;
    }
    auto series = std::make_unique<data::PriceSeries>();
    if (const auto problem = ReadPlotStartOption(context, *series)) {
        context.Err() << "korvo-cli: " << *problem << "\n";
        return 2;
    }
    data::DataState state;
    data::DataEffects effects;
    const int loaded = LoadSeries(context, p[0], *series, state, effects);
    context.Out() << "load: " << loaded << "\n";

    const auto newFile = context.Option("--new");
    std::optional<std::string> target;
    if (newFile) target = fs::absolute(*newFile).string();
    // The user confirms the end of the edit and, for a new file, its saving.
    CommandLineUser user(context.Prompts(), context.Err(),
                         {platform::Answer::Ok, platform::Answer::Ok}, std::nullopt, target);
    platform::NullProgress progress;
    data::LoadEnvironment env{user, context.Clock(), context.Dir(), progress, {}};
    effects = data::DataEffects{};
    data::DataContext c{*series, state, env, effects};
    // With --new the editor starts as the new-file command opens it.
    data::DataFileEditor editor(c, newFile.has_value());
    const data::EditorOpening opening = editor.Open();
    if (opening != data::EditorOpening::Show) {
        context.Out() << "save: "
                      << (opening == data::EditorOpening::WordPad ? "wordpad" : "closed") << "\n";
        return 1;
    }
    data::EditorFields f = editor.Fields();
    if (!ApplyOptions(context, editor, f)) return 2;
    const data::EditorSave save = editor.Save(f);
    context.Out() << "save: " << SaveName(save) << "\n";
    if (save != data::EditorSave::Saved) return 1;
    const int reloaded = data::ReloadWorkingCopy(c);
    context.Out() << "reload: " << reloaded << "\n"
                  << "dataPath: " << series->dataPath << "\n"
                  << "workingCopy: " << (context.Dir() / data::kWorkingCopyName).string() << "\n";
    return reloaded >= 0 ? 0 : 1;
}

Command MakeEditCommand() {
    return Command{
        140,
        "edit",
        "edit FILE.stk [--data TEXT] [--comment TEXT] [--id N] [--title T] [--subtitle S] "
        "[--unit U] [--code C] [--start-year Y] [--start-month M] [--new OUT.stk] "
        "[--plot-start YYYY-MM]",
        "load FILE as load does, open the data file editor on it, change the fields the "
        "options give (--data: the box's text from a file; --comment: the header block from a "
        "file), and save with OK: into the working copy (FILE is not changed), or with --new "
        "as the new file OUT (the editor then starts as the new-file command opens it); prints "
        "load, save (saved, refused, closed, wordpad), reload, "
        "dataPath and workingCopy",
        {"--data", "--comment", "--id", "--title", "--subtitle", "--unit", "--code", "--start-year",
         "--start-month", "--new", "--plot-start"},
        {},
        RunEdit};
}

const bool registered = RegisterCommand(MakeEditCommand());

}  // namespace

}  // namespace korvo::cli

// portfolio: a portfolio list as the group file editor and the picker show it,
// saved through the editor's checks, or one row picked.
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "lists/lists.h"

namespace korvo::cli {

namespace {

std::optional<int> ListNumber(CliContext& context) {
    const auto text = context.Option("--list");
    int list = 1;
    char tail = 0;
    if (text && (std::sscanf(text->c_str(), "%d%c", &list, &tail) != 1 || list < 1 || list > 3))
        return std::nullopt;
    return list - 1;
}

void PrintRows(std::ostream& out, const std::string& name, const lists::ListRows& rows) {
    int count = 0;
    for (const auto& row : rows)
        if (!row.code.empty() || !row.path.empty()) ++count;
    out << "list: " << name << "\n"
        << "count: " << count << "\n"
        << "row\tcode\tpath\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].code.empty() || !rows[i].path.empty())
            out << i + 1 << "\t" << rows[i].code << "\t" << rows[i].path << "\n";
}

// Up to twenty lines "CODE<TAB>PATH" into the editor's rows, in order.
bool TypeRows(const std::string& file, lists::GroupFileDialog& dialog, std::string& problem) {
    std::ifstream in(file);
    if (!in) {
        problem = "cannot read " + file;
        return false;
    }
    for (int row = 0; row < lists::kMaxPortfolioEntries; ++row) {
        dialog.EditCode(row, "");
        dialog.EditPath(row, "");
    }
    std::string line;
    for (int row = 0; std::getline(in, line); ++row) {
        if (row == lists::kMaxPortfolioEntries) {
            problem = file + " has more than 20 rows";
            return false;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t tab = line.find('\t');
        dialog.EditCode(row, line.substr(0, tab));
        dialog.EditPath(row, tab == std::string::npos ? "" : line.substr(tab + 1));
    }
    return true;
}

int Pick(CliContext& context, int list, const std::string& rowText) {
    int row = 0;
    char tail = 0;
    if (std::sscanf(rowText.c_str(), "%d%c", &row, &tail) != 1 || row < 1 || row > 20) {
        context.Err() << "korvo-cli: --pick wants a row from 1 to 20\n";
        return 2;
    }
    int pickedRow = 0;
    lists::PortfolioPicker picker(pickedRow, context.Dir() / lists::PortfolioListName(list),
                                  context.Prompts());
    picker.Open();
    picker.Pick(row - 1);
    if (!picker.Accept()) return 1;
    context.Out() << "dataPath: " << picker.ChosenPath() << "\n";
    return 0;
}

int RunPortfolio(CliContext& context) {
    const auto list = ListNumber(context);
    if (!list || !context.Args().positional.empty()) {
        context.Err() << "usage: korvo-cli portfolio [--list 1|2|3] [--save ROWS.tsv] "
                         "[--pick ROW] --dir DIR\n";
        return 2;
    }
    if (const auto row = context.Option("--pick")) return Pick(context, *list, *row);
    lists::ListsState lists;
    lists.listShown = *list;
    lists::GroupFileDialog dialog(lists, context.Dir(), context.Prompts());
    dialog.Open();
    int code = 0;
    if (const auto rows = context.Option("--save")) {
        std::string problem;
        if (!TypeRows(*rows, dialog, problem)) {
            context.Err() << "korvo-cli: " << problem << "\n";
            return 2;
        }
        code = dialog.Accept() ? 0 : 1;
        // Shown as the file now holds it.
        if (code == 0) dialog.Open();
    }
    PrintRows(context.Out(), lists::PortfolioListName(*list), dialog.Rows());
    return code;
}

Command MakePortfolioCommand() {
    return Command{
        140,
        "portfolio",
        "portfolio [--list 1|2|3] [--save ROWS.tsv] [--pick ROW]",
        "portfolio list 1 (UPDATE.usr), 2 or 3 of --dir as the group file editor shows it: "
        "list:, count: and a tab table of the filled rows (row, code, path); --save takes up to "
        "20 lines CODE<TAB>PATH as the editor's rows and saves them as its OK does (codes in "
        "upper case; a row with only one item is refused with the editor's message, exit 1, "
        "and the list is left as it was); --pick ROW prints the dataPath the picker's OK gives "
        "for that row (exit 1 when it has no file)",
        {"--list", "--save", "--pick"},
        {},
        RunPortfolio};
}

const bool registered = RegisterCommand(MakePortfolioCommand());

}  // namespace

}  // namespace korvo::cli

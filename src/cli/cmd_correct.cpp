// correct: the record correction dialog's checks, headless.
#include <ostream>

#include "cli/cli.h"
#include "data/record_correction.h"

namespace korvo::cli {

namespace {

int RunCorrect(CliContext& context) {
    const auto& p = context.Args().positional;
    if (p.size() != data::RecordCorrection::kFieldCount) {
        context.Err() << "usage: korvo-cli correct YEAR MONTH DAY OPEN HIGH LOW CLOSE VOLUME\n";
        return 2;
    }
    data::RecordCorrection dialog({}, context.Prompts());
    data::RecordCorrection::Fields fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = p[i];
    const auto r = dialog.Accept(fields);
    context.Out() << "result: " << (r ? "accepted" : "refused") << "\n";
    if (!r) return 1;
    context.Out() << "date: " << r->year << "/" << r->month << "/" << r->day << "\n"
                  << "open: " << r->open << "\n"
                  << "high: " << r->high << "\n"
                  << "low: " << r->low << "\n"
                  << "close: " << r->close << "\n"
                  << "volume: " << r->volume << "\n";
    return 0;
}

Command MakeCorrectCommand() {
    return Command{
        160,
        "correct",
        "correct YEAR MONTH DAY OPEN HIGH LOW CLOSE VOLUME",
        "check one record as the correction dialog does when OK is pressed: prints result "
        "(accepted, or refused after the dialog's message) and the record as it would be stored",
        {},
        {},
        RunCorrect};
}

const bool registered = RegisterCommand(MakeCorrectCommand());

}  // namespace

}  // namespace korvo::cli

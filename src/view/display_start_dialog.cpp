#include "view/display_start_dialog.h"

#include "data/calendar.h"
#include "data/printf.h"
#include "view/dialog_numbers.h"

namespace korvo::view {

DisplayStartDialog::Fields DisplayStartDialog::Current() const {
    Fields f;
    if (series_.plotStartYear >= 0) {
        const int narrow = data::NarrowYear(series_.plotStartYear);
        if (narrow >= 0) f.year = FormatBox(narrow);
    }
    if (series_.plotStartMonth >= 1 && series_.plotStartMonth <= 12)
        f.month = FormatBox(series_.plotStartMonth);
    return f;
}

bool DisplayStartDialog::Refuse(const std::string& text, const char* caption, platform::Icon icon) {
    prompts_.ShowMessage(text, caption, platform::Buttons::Ok, icon);
    return false;
}

bool DisplayStartDialog::Accept(const Fields& fields) {
    // A box that holds no number is a year to correct, not year 2000.
    const auto typedYear = ReadWholeBox(fields.year, true);
    const int year = typedYear ? data::WidenYear(*typedYear) : -1;
    if (year < 0) return Refuse(kBadYearText, kErrorCaption, platform::Icon::Stop);
    if (series_.fileTypeId == 210 && series_.barCount > 0) {
        const int firstYear = series_.year[0];
        const int lastYear = series_.year[static_cast<std::size_t>(series_.barCount - 1)];
        const bool shortData = lastYear - firstYear < kMaxDailyYears;
        const bool recentStart = lastYear - year < kMaxDailyYears;
        if (!shortData && !recentStart)
            return Refuse(data::Printf(kTenYearsText, lastYear), kMessageCaption,
                          platform::Icon::Exclamation);
    }
    const auto month = ReadWholeBox(fields.month, true);
    if (!month || *month < 1 || *month > 12)
        return Refuse(kBadMonthText, kErrorCaption, platform::Icon::Stop);
    series_.plotStartYear = year;
    series_.plotStartMonth = *month;
    view_.displayStartChanged = true;
    return true;
}

}  // namespace korvo::view

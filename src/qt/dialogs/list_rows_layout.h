// The twenty rows of code box, path box and "ﾘｽﾄ" button that the group file
// editor and the portfolio picker share, each control named after its id.
#pragma once

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "lists/list_rows.h"

namespace korvo::qt {

struct ListRowControls {
    std::array<QLineEdit*, lists::kMaxPortfolioEntries> codes{};
    std::array<QLineEdit*, lists::kMaxPortfolioEntries> paths{};
    std::array<QPushButton*, lists::kMaxPortfolioEntries> browse{};
};

struct ListRowIds {
    int firstCode;
    int firstPath;
    int firstBrowse;
    const char* codeHeader;
    const char* pathHeader;
    const char* browseLabel;
};

// The column headers in grid row 0 and the rows in grid rows 1 to 20, from
// `column` on. The boxes take no more characters than a list can hold.
ListRowControls AddListRows(QGridLayout& grid, int column, const ListRowIds& ids);

// Typing and browsing reach the dialog's logic through these.
struct ListRowActions {
    std::function<void(int row, const std::string& text)> editCode;
    std::function<void(int row, const std::string& text)> editPath;
    std::function<bool(int row)> browse;
};
void ConnectListRows(const ListRowControls& controls, const ListRowActions& actions,
                     const std::function<const lists::ListRows&()>& rows);

// Shows the rows as the logic holds them.
void ShowListRows(const ListRowControls& controls, const lists::ListRows& rows);

}  // namespace korvo::qt

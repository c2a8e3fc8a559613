#include "qt/dialogs/list_rows_layout.h"

#include <QLabel>

#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

ListRowControls AddListRows(QGridLayout& grid, int column, const ListRowIds& ids) {
    QWidget& parent = *grid.parentWidget();
    grid.addWidget(new QLabel(QString::fromUtf8(ids.codeHeader), &parent), 0, column);
    grid.addWidget(new QLabel(QString::fromUtf8(ids.pathHeader), &parent), 0, column + 1);
    ListRowControls c;
    for (int row = 0; row < lists::kMaxPortfolioEntries; ++row) {
        const auto at = static_cast<std::size_t>(row);
        c.codes[at] = NewBox(parent, ids.firstCode + row);
        c.codes[at]->setMaxLength(static_cast<int>(lists::kMaxCodeChars));
        c.codes[at]->setMaximumWidth(110);
        c.paths[at] = NewBox(parent, ids.firstPath + row);
        c.paths[at]->setMaxLength(static_cast<int>(lists::kMaxPathChars));
        c.paths[at]->setMinimumWidth(360);
        const std::string browseName = std::to_string(ids.firstBrowse + row);
        c.browse[at] = NewButton(parent, ids.browseLabel, browseName.c_str());
        grid.addWidget(c.codes[at], row + 1, column);
        grid.addWidget(c.paths[at], row + 1, column + 1);
        grid.addWidget(c.browse[at], row + 1, column + 2);
    }
    return c;
}

void ConnectListRows(const ListRowControls& c, const ListRowActions& actions,
                     const std::function<const lists::ListRows&()>& rows) {
    for (int row = 0; row < lists::kMaxPortfolioEntries; ++row) {
        const auto at = static_cast<std::size_t>(row);
        QObject::connect(
            c.codes[at], &QLineEdit::textEdited, c.codes[at],
            [actions, row](const QString& text) { actions.editCode(row, text.toStdString()); });
        QObject::connect(
            c.paths[at], &QLineEdit::textEdited, c.paths[at],
            [actions, row](const QString& text) { actions.editPath(row, text.toStdString()); });
        QLineEdit* path = c.paths[at];
        QObject::connect(c.browse[at], &QPushButton::clicked, path, [actions, row, path, rows] {
            if (actions.browse(row))
                path->setText(QString::fromStdString(rows()[static_cast<std::size_t>(row)].path));
        });
    }
}

void ShowListRows(const ListRowControls& c, const lists::ListRows& rows) {
    for (std::size_t at = 0; at < rows.size(); ++at) {
        c.codes[at]->setText(QString::fromStdString(rows[at].code));
        c.paths[at]->setText(QString::fromStdString(rows[at].path));
    }
}

}  // namespace korvo::qt

// FILEUPDATE: the group file editor. What the buttons do is
// lists::GroupFileDialog's; this class only lays out the controls, each named
// after its control id, and passes on what the user types.
#pragma once

#include <QButtonGroup>
#include <QDialog>

#include "lists/group_file_dialog.h"
#include "qt/dialogs/list_rows_layout.h"

namespace korvo::qt {

class GroupFileQDialog : public QDialog {
  public:
    using Logic = lists::GroupFileDialog;

    // The logic has been opened (its rows filled) by the caller.
    explicit GroupFileQDialog(Logic& logic, QWidget* parent = nullptr);

    // OK: closes only when the list was saved.
    void accept() override;

  private:
    void ChooseList(int list);

    Logic& logic_;
    ListRowControls rows_;
    QButtonGroup* listGroup_ = nullptr;
};

}  // namespace korvo::qt

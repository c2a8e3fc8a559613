// The modeless data list window LISTDLG: the title of the series and its bars
// as a table, newest first. OK and Cancel (and Escape) close it; it deletes
// itself on closing and says so through `closed`, so the owner can empty the
// modeless slot that held it.
#pragma once

#include <QDialog>

#include "lists/data_list.h"

namespace korvo::qt {

class DataListQWindow : public QDialog {
    Q_OBJECT
  public:
    using Logic = lists::DataListWindow;

    explicit DataListQWindow(const lists::DataListText& list, QWidget* parent = nullptr);

  signals:
    void closed();

  public slots:
    void done(int result) override;

  private:
    bool closedSent_ = false;
};

}  // namespace korvo::qt

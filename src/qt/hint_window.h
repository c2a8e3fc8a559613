// The modeless operation hints window DLGHINT: pages through the hints with
// "次のヒントへ" and "前のヒントへ" and closes with "終了" (or Escape). It
// deletes itself on closing and says so through `closed`, so the owner can
// empty the modeless slot that held it.
#pragma once

#include <QDialog>

#include "app/hints.h"

class QPushButton;

namespace korvo::qt {

class HintWindow : public QDialog {
    Q_OBJECT
  public:
    // `book` and `hintTopic` must outlive the window; `hintTopic` keeps the
    // topic last chosen across windows.
    HintWindow(const app::HintBook& book, int& hintTopic, QWidget* parent = nullptr);

    const app::HintPager& Pager() const { return pager_; }

    // Five full-width blanks, then the window's title.
    static QString Caption();

  signals:
    void closed();

  public slots:
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPushButton* AddButton(const char* id, const char* label, int x);

    app::HintPager pager_;
    bool closedSent_ = false;
};

}  // namespace korvo::qt

// Dialog11: the display start year (two digits) and month. What OK does is
// view::DisplayStartDialog's; this class only lays out the controls, each
// named after its control id. Kept in the header so it needs no build step of
// its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "view/display_start_dialog.h"

namespace korvo::qt {

class DisplayStartQDialog : public QDialog {
  public:
    using Logic = view::DisplayStartDialog;

    explicit DisplayStartQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        setObjectName(Logic::kName);
        setWindowTitle(QString::fromUtf8(Logic::kTitle));
        setModal(true);
        auto* grid = new QGridLayout(this);
        const Logic::Fields current = logic_.Current();
        year_ = AddBox(*grid, 0, Logic::kYearLabel, Logic::kYearControl, current.year);
        month_ = AddBox(*grid, 1, Logic::kMonthLabel, Logic::kMonthControl, current.month);
        auto* ok = new QPushButton("OK", this);
        ok->setObjectName("1");
        ok->setDefault(true);
        auto* cancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
        cancel->setObjectName("2");
        cancel->setAutoDefault(false);
        grid->addWidget(ok, 2, 0);
        grid->addWidget(cancel, 2, 1);
        connect(ok, &QPushButton::clicked, this, [this] { accept(); });
        connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    }

    void accept() override {
        if (!logic_.Accept({year_->text().toStdString(), month_->text().toStdString()}))
            return;  // the message was shown; the dialog stays
        QDialog::accept();
    }

  private:
    QLineEdit* AddBox(QGridLayout& grid, int row, const char* label, int id,
                      const std::string& text) {
        grid.addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        auto* box = new QLineEdit(QString::fromStdString(text), this);
        box->setObjectName(QString::number(id));
        grid.addWidget(box, row, 1);
        return box;
    }

    Logic& logic_;
    QLineEdit* year_ = nullptr;
    QLineEdit* month_ = nullptr;
};

}  // namespace korvo::qt

// Dialog6: the custom size in percent. What OK does is
// view::CustomSizeDialog's; this class only lays out the controls, each named
// after its control id. Kept in the header so it needs no build step of its own.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "view/custom_size_dialog.h"

namespace korvo::qt {

class CustomSizeQDialog : public QDialog {
  public:
    using Logic = view::CustomSizeDialog;

    explicit CustomSizeQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        setObjectName(Logic::kName);
        setWindowTitle(QString::fromUtf8(Logic::kTitle));
        setModal(true);
        auto* grid = new QGridLayout(this);
        const Logic::Fields current = logic_.Current();
        width_ = AddBox(*grid, 0, Logic::kWidthLabel, Logic::kWidthControl, current.width);
        height_ = AddBox(*grid, 1, Logic::kHeightLabel, Logic::kHeightControl, current.height);
        auto* ok = new QPushButton("OK", this);
        ok->setObjectName("1");
        ok->setDefault(true);
        auto* cancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
        cancel->setObjectName("2");
        cancel->setAutoDefault(false);
        grid->addWidget(ok, 2, 0);
        grid->addWidget(cancel, 2, 1, 1, 2);
        connect(ok, &QPushButton::clicked, this, [this] { accept(); });
        connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    }

    void accept() override {
        if (!logic_.Accept({width_->text().toStdString(), height_->text().toStdString()}))
            return;  // the warning was shown; the dialog stays
        QDialog::accept();
    }

  private:
    QLineEdit* AddBox(QGridLayout& grid, int row, const char* label, int id,
                      const std::string& text) {
        grid.addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        auto* box = new QLineEdit(QString::fromStdString(text), this);
        box->setObjectName(QString::number(id));
        box->setMaxLength(static_cast<int>(Logic::kBoxChars));
        grid.addWidget(box, row, 1);
        grid.addWidget(new QLabel("%", this), row, 2);
        return box;
    }

    Logic& logic_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
};

}  // namespace korvo::qt

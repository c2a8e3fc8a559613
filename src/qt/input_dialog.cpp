#include "qt/input_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korvo::qt {

InputDialog::InputDialog(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), logic_(prompts) {
    setObjectName("INPUTDLG1");
    setWindowTitle(QString::fromUtf8(app::kPathInputCaption));
    setModal(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8(app::kPathInputExample), this), 0, 0, 1, 3);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("801");
    edit_->setMaxLength(app::kPathInputLimit);
    edit_->setMinimumWidth(360);
    grid->addWidget(edit_, 1, 0, 1, 3);

    auto* browse = new QPushButton(QString::fromUtf8("ﾘｽﾄ"), this);
    browse->setObjectName("9201");
    browse->setAutoDefault(false);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName("2");
    cancel->setAutoDefault(false);
    grid->addWidget(browse, 2, 0);
    grid->addWidget(ok, 2, 1);
    grid->addWidget(cancel, 2, 2);

    connect(browse, &QPushButton::clicked, this, [this] {
        if (const auto chosen = logic_.Browse()) edit_->setText(QString::fromStdString(*chosen));
    });
    connect(ok, &QPushButton::clicked, this, &InputDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void InputDialog::accept() {
    const auto path = logic_.Accept(edit_->text().toStdString());
    if (!path) return;  // stays open after the message
    path_ = *path;
    QDialog::accept();
}

}  // namespace korvo::qt

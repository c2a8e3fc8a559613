#include "qt/input_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/dialogs/dialog_layout.h"

namespace korvo::qt {

InputDialog::InputDialog(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), logic_(prompts) {
    SetUpDialog(*this, "INPUTDLG1", app::kPathInputCaption);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8(app::kPathInputExample), this), 0, 0, 1, 3);
    edit_ = NewBox(*this, 801);
    edit_->setMaxLength(app::kPathInputLimit);
    edit_->setMinimumWidth(360);
    grid->addWidget(edit_, 1, 0, 1, 3);

    auto* browse = NewButton(*this, "ﾘｽﾄ", "9201");
    const OkCancel buttons = NewOkCancel(*this);
    grid->addWidget(browse, 2, 0);
    grid->addWidget(buttons.ok, 2, 1);
    grid->addWidget(buttons.cancel, 2, 2);

    connect(browse, &QPushButton::clicked, this, [this] {
        if (const auto chosen = logic_.Browse()) edit_->setText(QString::fromStdString(*chosen));
    });
}

void InputDialog::accept() {
    const auto path = logic_.Accept(edit_->text().toStdString());
    if (!path) return;  // stays open after the message
    path_ = *path;
    QDialog::accept();
}

}  // namespace korvo::qt

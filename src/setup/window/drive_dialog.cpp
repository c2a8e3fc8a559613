#include "setup/window/drive_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/setup_texts.h"

namespace korvo::setup {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

DriveDialog::DriveDialog(DriveChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice), drives_(new QComboBox(this)) {
    setObjectName("DIALOG");
    setWindowTitle(QString::fromUtf8(kDriveDialogCaption));
    drives_->setObjectName(QString::number(kDriveComboId));
    drives_->setEditable(true);
    drives_->setMinimumWidth(320);
    for (const std::string& root : choice_.Choices())
        drives_->addItem(Q(root));
    drives_->setEditText(Q(choice_.InitialText()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &DriveDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DriveDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(kDriveLabel), this));
    layout->addWidget(drives_);
    layout->addWidget(new QLabel(QString::fromUtf8(kFreeSpaceLabel), this));
    layout->addWidget(buttons);
}

void DriveDialog::accept() {
    chosen_ = choice_.Accept(drives_->currentText().toStdString());
    if (chosen_) QDialog::accept();
}

}  // namespace korvo::setup

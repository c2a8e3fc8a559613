#include "qt/dialogs/dialog_layout.h"

#include <QLabel>

namespace korvo::qt {

void SetUpDialog(QDialog& dialog, const char* name, const char* captionUtf8) {
    dialog.setObjectName(name);
    dialog.setWindowTitle(QString::fromUtf8(captionUtf8));
    dialog.setModal(true);
}

QLineEdit* NewBox(QWidget& parent, int id, const std::string& text) {
    auto* box = new QLineEdit(QString::fromStdString(text), &parent);
    box->setObjectName(QString::number(id));
    return box;
}

QLineEdit* AddLabelledBox(QGridLayout& grid, int row, const char* labelUtf8, int id,
                          const std::string& text) {
    QWidget& parent = *grid.parentWidget();
    grid.addWidget(new QLabel(QString::fromUtf8(labelUtf8), &parent), row, 0);
    QLineEdit* box = NewBox(parent, id, text);
    grid.addWidget(box, row, 1);
    return box;
}

QPushButton* NewButton(QWidget& parent, const char* labelUtf8, const char* name) {
    auto* button = new QPushButton(QString::fromUtf8(labelUtf8), &parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

OkCancel NewOkCancel(QDialog& dialog) {
    OkCancel buttons;
    buttons.ok = new QPushButton("OK", &dialog);
    buttons.ok->setObjectName("1");
    buttons.ok->setDefault(true);
    buttons.cancel = NewButton(dialog, "ｷｬﾝｾﾙ", "2");
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.accept(); });
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog,
                     [&dialog] { dialog.reject(); });
    return buttons;
}

}  // namespace korvo::qt

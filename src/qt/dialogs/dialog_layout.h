// What every modal dialog of the program lays out the same way: its name,
// caption and modality, boxes named after their control ids, and the OK and
// Cancel buttons.
#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstddef>
#include <string>

namespace korvo::qt {

// The dialog's name (its resource name) and caption; modal, as every dialog here.
void SetUpDialog(QDialog& dialog, const char* name, const char* captionUtf8);

// A box named after its control id, holding `text`.
QLineEdit* NewBox(QWidget& parent, int id, const std::string& text = {});

// A label in column 0 and a box named after its control id in column 1 of `row`.
QLineEdit* AddLabelledBox(QGridLayout& grid, int row, const char* labelUtf8, int id,
                          const std::string& text = {});

// A button named `name` that Enter does not press.
QPushButton* NewButton(QWidget& parent, const char* labelUtf8, const char* name);

struct OkCancel {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// OK (control id 1, pressed by Enter) and Cancel (2), which call the dialog's
// accept() and reject().
OkCancel NewOkCancel(QDialog& dialog);

template <std::size_t N>
std::array<std::string, N> Texts(const std::array<QLineEdit*, N>& boxes) {
    std::array<std::string, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = boxes[i]->text().toStdString();
    return texts;
}

template <std::size_t N>
void SetTexts(const std::array<QLineEdit*, N>& boxes, const std::array<std::string, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
        boxes[i]->setText(QString::fromStdString(texts[i]));
}

}  // namespace korvo::qt

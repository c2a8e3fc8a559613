// DIALOG4: the heading fields and the bars of a data file as editable text.
// What the buttons do is data::DataFileEditor's; this class only lays out the
// controls, each named after its control id, and keeps the data box within
// the characters it takes.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "data/data_file_editor.h"

namespace korvo::qt {

class DataFileEditorQDialog : public QDialog {
  public:
    using Logic = data::DataFileEditor;

    explicit DataFileEditorQDialog(Logic& logic, QWidget* parent = nullptr);

    QPlainTextEdit& DataBox() { return *data_; }

    void accept() override;
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Fill(const data::EditorFields& fields);
    data::EditorFields Typed() const;
    void KeepWithinLimit();
    void EditComment();
    void StartNewFile();

    Logic& logic_;
    // 801, 802, 803, 810, 811, 804, 805.
    std::array<QLineEdit*, 7> boxes_{};
    QPlainTextEdit* data_ = nullptr;
    bool limiting_ = false;
};

}  // namespace korvo::qt

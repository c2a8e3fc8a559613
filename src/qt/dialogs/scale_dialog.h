// AUTOSCALE: the automatic or a manual price and volume scale. What the
// buttons do is view::ScaleDialog's; this class only lays out the controls,
// each named after its control id. It closes with kScaleChoseAutomatic when
// "自動設定" is chosen and with kScaleClosed otherwise (OK, Cancel, Escape).
// Kept in the header so it needs no build step of its own.
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "qt/dialogs/dialog_layout.h"
#include "view/scale_dialog.h"

namespace korvo::qt {

class ScaleQDialog : public QDialog {
  public:
    using Logic = view::ScaleDialog;

    explicit ScaleQDialog(Logic& logic, QWidget* parent = nullptr)
        : QDialog(parent), logic_(logic) {
        SetUpDialog(*this, Logic::kName, Logic::kTitle);
        auto* grid = new QGridLayout(this);
        auto* group = new QButtonGroup(this);
        automatic_ = AddRadio(*grid, *group, 0, Logic::kAutomaticLabel, Logic::kAutomaticControl);
        manual_ = AddRadio(*grid, *group, 1, Logic::kManualLabel, Logic::kManualControl);
        (logic_.Manual() ? manual_ : automatic_)->setChecked(true);
        priceMax_ = AddBox(*grid, 2, Logic::kPriceMaxLabel, Logic::kPriceMaxControl);
        priceMin_ = AddBox(*grid, 3, Logic::kPriceMinLabel, Logic::kPriceMinControl);
        volumeMax_ = AddBox(*grid, 4, Logic::kVolumeMaxLabel, Logic::kVolumeMaxControl);
        Fill(logic_.Current());
        const OkCancel buttons = NewOkCancel(*this);
        grid->addWidget(buttons.ok, 5, 0);
        grid->addWidget(buttons.cancel, 5, 1);
        connect(automatic_, &QRadioButton::clicked, this,
                [this] { done(logic_.ChooseAutomatic()); });
        connect(manual_, &QRadioButton::clicked, this, [this] { Fill(logic_.ChooseManual()); });
    }

    void accept() override {
        const Logic::Fields typed{priceMax_->text().toStdString(), priceMin_->text().toStdString(),
                                  volumeMax_->text().toStdString()};
        if (!logic_.Accept(typed)) return;  // the error was shown; the dialog stays
        done(view::kScaleClosed);
    }
    // Cancel, Escape and the close box: nothing changes.
    void reject() override { done(logic_.Cancel()); }

  private:
    QRadioButton* AddRadio(QGridLayout& grid, QButtonGroup& group, int row, const char* label,
                           int id) {
        auto* radio = new QRadioButton(QString::fromUtf8(label), this);
        radio->setObjectName(QString::number(id));
        group.addButton(radio, id);
        grid.addWidget(radio, row, 0, 1, 2);
        return radio;
    }
    QLineEdit* AddBox(QGridLayout& grid, int row, const char* label, int id) {
        QLineEdit* box = AddLabelledBox(grid, row, label, id);
        box->setMaxLength(static_cast<int>(Logic::kBoxChars));
        return box;
    }
    void Fill(const Logic::Fields& f) {
        priceMax_->setText(QString::fromStdString(f.priceMax));
        priceMin_->setText(QString::fromStdString(f.priceMin));
        volumeMax_->setText(QString::fromStdString(f.volumeMax));
    }

    Logic& logic_;
    QRadioButton* automatic_ = nullptr;
    QRadioButton* manual_ = nullptr;
    QLineEdit* priceMax_ = nullptr;
    QLineEdit* priceMin_ = nullptr;
    QLineEdit* volumeMax_ = nullptr;
};

}  // namespace korvo::qt

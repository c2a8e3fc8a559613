// The scale dialog AUTOSCALE: the automatic price and volume scale, or a
// manual one with the price at the top and bottom of the price panel and the
// volume at the top of the volume panel.
#pragma once

#include <string>

#include "chart/chart_geometry.h"
#include "data/price_series.h"
#include "platform/prompts.h"
#include "view/view_state.h"

namespace korvo::view {

// How the dialog closed: the automatic scale was chosen (the series is to be
// loaded again for its own extremes), or anything else.
inline constexpr int kScaleChoseAutomatic = 0;
inline constexpr int kScaleClosed = 1;

class ScaleDialog {
  public:
    static constexpr const char* kName = "AUTOSCALE";
    static constexpr const char* kTitle = "自動－手動 目盛設定";
    static constexpr const char* kAutomaticLabel = "自動設定";
    static constexpr const char* kManualLabel = "手動設定";
    static constexpr const char* kPriceMaxLabel = "Price Max";
    static constexpr const char* kPriceMinLabel = "Price Min";
    static constexpr const char* kVolumeMaxLabel = "Volume Max";
    static constexpr int kAutomaticControl = 9311;
    static constexpr int kManualControl = 9312;
    static constexpr int kPriceMaxControl = 9313;
    static constexpr int kPriceMinControl = 9314;
    static constexpr int kVolumeMaxControl = 9315;
    // A price box is read as at most this many characters.
    static constexpr std::size_t kBoxChars = 32;
    static constexpr const char* kErrorText = "ﾊﾟﾗﾒﾀｰ設定ｴﾗｰ、再設定してください。";
    static constexpr const char* kErrorCaption = "エラーメッセージ";

    struct Fields {
        std::string priceMax;
        std::string priceMin;
        std::string volumeMax;
    };

    // `geometry` is the chart as last drawn: its top and bottom prices fill the boxes.
    ScaleDialog(ViewState& view, data::PriceSeries& series, const chart::ChartGeometry& geometry,
                platform::Prompts& prompts)
        : view_(view),
          series_(series),
          geometry_(geometry),
          prompts_(prompts),
          manualAtOpening_(view.manualScale) {}

    // The radio button of the mode in force.
    bool Manual() const { return view_.manualScale; }
    // The prices at the top and bottom of the price panel ("%10.2f") and the
    // manual volume maximum.
    Fields Current() const;
    // "自動設定": the automatic scale again; the dialog closes at once with
    // kScaleChoseAutomatic.
    int ChooseAutomatic();
    // "手動設定": the manual scale; returns the boxes filled with the last manual
    // entries as whole numbers.
    Fields ChooseManual();
    // OK. In the manual mode the boxes must hold a maximum above 0, a minimum of
    // at least 0 and not above the maximum, and a volume above 0; otherwise the
    // error is shown and false returned (the dialog stays open). Accepted values
    // become the manual scale and the series' extremes.
    bool Accept(const Fields& fields);
    // Cancel: the mode goes back to what it was when the dialog opened.
    int Cancel();

  private:
    ViewState& view_;
    data::PriceSeries& series_;
    const chart::ChartGeometry& geometry_;
    platform::Prompts& prompts_;
    bool manualAtOpening_;
};

// Under the manual scale the renderer takes the manual values as the series'
// extremes; puts them there (after a load has replaced them).
void ApplyManualScale(const ViewState& view, data::PriceSeries& series);

}  // namespace korvo::view

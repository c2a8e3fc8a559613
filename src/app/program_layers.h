// Every layer the program lays over the chart: the indicators' and the
// annotations of the data file.
#pragma once

#include <filesystem>
#include <functional>

#include "annotate/annotation_state.h"
#include "indicators/indicator_layers.h"

namespace korvo::app {

class ProgramLayers : public indicators::IndicatorLayers {
  public:
    ProgramLayers(const indicators::IndicatorParams& params, indicators::SignalWritten& written,
                  const std::filesystem::path& startDirectory,
                  annotate::AnnotationState& annotations)
        : IndicatorLayers(params, written, startDirectory),
          annotations_(annotations),
          startDirectory_(startDirectory) {}

    int DrawAnnotations(chart::RenderContext& context, int page) override;

    // Called before each question of delete mode, to show what is drawn so far.
    void SetBeforeQuestion(std::function<void()> show) { beforeQuestion_ = std::move(show); }
    // Whether delete mode ended in the last paint (the chart is then drawn
    // again); asking clears it.
    bool TakeRefreshRequest();

  private:
    annotate::AnnotationState& annotations_;
    std::filesystem::path startDirectory_;
    std::function<void()> beforeQuestion_;
    bool refreshRequested_ = false;
};

}  // namespace korvo::app

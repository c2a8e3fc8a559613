#include "app/program_layers.h"

#include "annotate/draw_annotations.h"

namespace korvo::app {

int ProgramLayers::DrawAnnotations(chart::RenderContext& c, int) {
    annotate::DrawContext context{c.canvas,  c.series,     c.geometry,      c.objects,
                                  c.prompts, annotations_, startDirectory_, beforeQuestion_};
    const int result = annotate::DrawTextAnnotations(context);
    refreshRequested_ = refreshRequested_ || context.refreshRequested;
    return result;
}

bool ProgramLayers::TakeRefreshRequest() {
    const bool requested = refreshRequested_;
    refreshRequested_ = false;
    return requested;
}

}  // namespace korvo::app

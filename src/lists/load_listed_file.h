// Loading the files of a multi-chart selection, page by page, as the renderer
// draws them.
#pragma once

#include "data/data_state.h"
#include "lists/lists_state.h"

namespace korvo::lists {

// File k (1 to 3) of the selection into the working copy and the series: the
// window in the first modeless slot is told to close, the plot-start-by-cursor
// mode ends, the file becomes dataPath and is copied to korvo.TMP and loaded.
// Returns 1 with barCount set, or -1 when the copy or the load fails or gives no
// bars; the series and dataPath are then as they were.
int LoadListedFile(data::DataContext& context, const MultiChartSelection& selection, int k);

}  // namespace korvo::lists

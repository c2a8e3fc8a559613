// What other folders use of the annotations: the state, the text dialog's
// logic, the placement under the mouse, storing and drawing, and the file.
#pragma once

#include "annotate/anchors.h"
#include "annotate/annotation_file.h"
#include "annotate/annotation_record.h"
#include "annotate/annotation_settings.h"
#include "annotate/annotation_state.h"
#include "annotate/annotation_text_dialog.h"
#include "annotate/draw_annotations.h"
#include "annotate/phrase_list.h"
#include "annotate/placement.h"
#include "annotate/save_annotation.h"

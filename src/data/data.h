// What other folders use of the price data files: the series, the load
// pipeline, the calendar, the period commands, the editors and the file helpers.
#pragma once

#include "data/calendar.h"
#include "data/comment_editor.h"
#include "data/data_file_editor.h"
#include "data/data_state.h"
#include "data/data_text.h"
#include "data/derive_period.h"
#include "data/edit_work_files.h"
#include "data/editor_text.h"
#include "data/header_block.h"
#include "data/header_editor.h"
#include "data/load_price_series.h"
#include "data/normalise_data_file.h"
#include "data/period_commands.h"
#include "data/price_series.h"
#include "data/progress_bar.h"
#include "data/recent_files.h"
#include "data/record_correction.h"
#include "data/scan_data_file.h"
#include "data/stk_reader.h"
#include "data/working_copy.h"

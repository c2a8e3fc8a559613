// What other folders use of the portfolio lists: the list files and their
// entries, the group of the last saved list, the scan, the multi-chart
// selection with the loading of its files, and the data list window.
#pragma once

#include "lists/data_list.h"
#include "lists/group_file_dialog.h"
#include "lists/list_rows.h"
#include "lists/lists_state.h"
#include "lists/load_listed_file.h"
#include "lists/multi_chart_dialog.h"
#include "lists/multi_chart_mode.h"
#include "lists/portfolio_list.h"
#include "lists/portfolio_picker.h"
#include "lists/scan.h"

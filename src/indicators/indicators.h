// What other folders use of the indicators: the periods and their dialogs,
// the average line and the overlays, the indicator-panel oscillators, the
// trend and volume indicators, the signal files and the chart layers that
// draw them.
#pragma once

#include "indicators/average_line.h"
#include "indicators/bollinger.h"
#include "indicators/deviation.h"
#include "indicators/dialog_fields.h"
#include "indicators/directional_movement.h"
#include "indicators/ichimoku.h"
#include "indicators/indicator_layers.h"
#include "indicators/indicator_line.h"
#include "indicators/indicator_params.h"
#include "indicators/macd.h"
#include "indicators/momentum.h"
#include "indicators/momentum_param_dialog.h"
#include "indicators/on_balance_volume.h"
#include "indicators/overlay_drawing.h"
#include "indicators/parabolic_sar.h"
#include "indicators/parameter_table_dialog.h"
#include "indicators/psychological_line.h"
#include "indicators/rci.h"
#include "indicators/rci_param_dialog.h"
#include "indicators/rsi.h"
#include "indicators/shinohara.h"
#include "indicators/signal_files.h"
#include "indicators/signal_output.h"
#include "indicators/sort_with_companion.h"
#include "indicators/stochastics.h"
#include "indicators/volume_ratio.h"

// The list of buy and sell points the non-time-series charts write under
// their plot: seven columns to a row, each column a buy above its sell.
#pragma once

#include "platform/canvas.h"

namespace korvo::altcharts {

class SignalList {
  public:
    // `base` is the y the rows hang from (the first buy at base + 40).
    explicit SignalList(int base) : base_(base) {}

    platform::Point BuyAt() const { return {60 + 60 * column_, base_ + 40 + 30 * row_}; }
    platform::Point SellAt() const { return {60 + 60 * column_, base_ + 50 + 30 * row_}; }
    // After a sell: the next column, or the first of the next row after the seventh.
    void Advance() {
        if (++column_ > 6) {
            column_ = 0;
            ++row_;
        }
    }
    // The y below the last entry written so far.
    int Bottom() const { return base_ + 60 + 30 * row_; }

  private:
    int base_;
    int column_ = 0;
    int row_ = 0;
};

}  // namespace korvo::altcharts

// The picture of the client area kept in memory: the annotation editor takes
// it before its dialog opens and the paint after the dialog puts it back
// instead of drawing the chart again. It never goes near the user's clipboard.
#pragma once

#include "platform/canvas.h"
#include "platform/picture.h"
#include "platform/prompts.h"

namespace korvo::print {

// Result of Take when nothing could be copied (the memory code of the program).
inline constexpr int kSnapshotFailed = -20;

class ScreenSnapshot {
  public:
    // Copies the client area of `window` (a canvas over the window as it shows
    // now) and remembers where it lay. 1, or kSnapshotFailed after one beep when
    // the window cannot be read; any picture held before is dropped either way.
    int Take(platform::Canvas& window, platform::Size client, platform::Prompts& prompts);
    // Puts the picture back unchanged where it was taken and lets it go, as the
    // first restore does. False when none is held.
    bool Restore(platform::Canvas& canvas);

    bool Held() const { return !picture_.IsEmpty(); }
    const platform::Picture& Picture() const { return picture_; }
    // The client rectangle the picture was taken from.
    const platform::Rect& Area() const { return area_; }
    void Clear();

  private:
    platform::Picture picture_;
    platform::Rect area_;
};

}  // namespace korvo::print

#include "print/screen_snapshot.h"

#include <utility>

namespace korvo::print {

int ScreenSnapshot::Take(platform::Canvas& window, platform::Size client,
                         platform::Prompts& prompts) {
    Clear();
    const platform::Rect area{0, 0, client.width, client.height};
    platform::Picture picture = window.ReadPixels(area);
    if (picture.IsEmpty()) {
        prompts.Beep();
        return kSnapshotFailed;
    }
    picture_ = std::move(picture);
    area_ = platform::Rect{0, 0, picture_.size.width, picture_.size.height};
    return 1;
}

bool ScreenSnapshot::Restore(platform::Canvas& canvas) {
    if (!Held()) return false;
    canvas.DrawPicture(platform::Point{area_.left, area_.top}, picture_);
    Clear();
    return true;
}

void ScreenSnapshot::Clear() {
    picture_ = platform::Picture{};
    area_ = platform::Rect{};
}

}  // namespace korvo::print

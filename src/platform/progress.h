// Where long operations report how far they are (a bar at the bottom of the
// main window).
#pragma once

namespace korvo::platform {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void ShowProgress(int value, int maximum) = 0;
};

class NullProgress : public ProgressSink {
public:
    void ShowProgress(int, int) override {}
};

}  // namespace korvo::platform

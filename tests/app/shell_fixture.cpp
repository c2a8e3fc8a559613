#include "app/shell_fixture.h"

#include "app/command_ids.h"
#include "platform/recording_canvas.h"

namespace korvo::test {

void Shell::OpenSample() {
    prompts.QueueFile(SamplePath());
    controller->Command(app::kCmdOpenFile);
    Paint();
}

std::vector<platform::CanvasCall> Shell::Paint() {
    platform::RecordingCanvas canvas(view.client);
    controller->Paint(canvas);
    return canvas.Calls();
}

}  // namespace korvo::test

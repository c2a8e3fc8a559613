#include "support/shipped_files.h"

namespace korvo::test {

namespace fs = std::filesystem;

fs::path ShippedSettings() {
    return fs::path(KORVO_SOURCE_DIR) / "resources/korvo.ips";
}

fs::path ShippedSample() {
    return fs::path(KORVO_SOURCE_DIR) / "resources/sample/sample.stk";
}

void CopyShippedFiles(const fs::path& dir) {
    fs::copy_file(ShippedSettings(), dir / "korvo.ips");
    fs::copy_file(ShippedSample(), dir / "sample.stk");
}

}  // namespace korvo::test

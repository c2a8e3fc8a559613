#include "data/data_state.h"

namespace korvo::data {

std::filesystem::path LoadEnvironment::Resolve(const std::string& path) const {
    const std::filesystem::path p(path);
    return p.is_absolute() ? p : startDirectory / p;
}

}  // namespace korvo::data

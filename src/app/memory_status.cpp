#include "app/memory_status.h"

#include <sys/resource.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace korvo::app {

namespace {

// The value of a "Name:   1234 kB" line, in bytes; 0 when the line is missing.
std::uint64_t KilobyteField(std::string_view text, std::string_view name) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const std::string_view line =
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        if (line.size() > name.size() && line.substr(0, name.size()) == name &&
            line[name.size()] == ':') {
            std::size_t p = name.size() + 1;
            while (p < line.size() && (line[p] == ' ' || line[p] == '\t'))
                ++p;
            std::uint64_t kb = 0;
            std::from_chars(line.data() + p, line.data() + line.size(), kb);
            return kb * 1024;
        }
        if (end == std::string_view::npos) break;
        at = end + 1;
    }
    return 0;
}

std::string ReadText(const char* path) {
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The user address space: the limit set for the process, else what a 64-bit
// (47-bit user half) or 32-bit process can address.
std::uint64_t AddressSpace() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return static_cast<std::uint64_t>(limit.rlim_cur);
    return sizeof(void*) == 8 ? (std::uint64_t{1} << 47) : (std::uint64_t{3} << 30);
}

long long Megabytes(std::uint64_t bytes) {
    return static_cast<long long>(bytes / 1000000);
}

}  // namespace

MemoryStatus ParseMemoryStatus(std::string_view meminfo, std::string_view selfStatus,
                               std::uint64_t addressSpace) {
    MemoryStatus s;
    s.totalPhysical = KilobyteField(meminfo, "MemTotal");
    s.availablePhysical = KilobyteField(meminfo, "MemAvailable");
    if (s.availablePhysical > s.totalPhysical) s.availablePhysical = s.totalPhysical;
    if (s.totalPhysical > 0)
        s.load = static_cast<std::uint32_t>((s.totalPhysical - s.availablePhysical) * 100 /
                                            s.totalPhysical);
    s.totalVirtual = addressSpace;
    const std::uint64_t used = KilobyteField(selfStatus, "VmSize");
    s.availableVirtual = used < addressSpace ? addressSpace - used : 0;
    return s;
}

MemoryStatus ReadMemoryStatus() {
    return ParseMemoryStatus(ReadText("/proc/meminfo"), ReadText("/proc/self/status"),
                             AddressSpace());
}

std::string FormatMemoryStatus(const MemoryStatus& s) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "  システムメモリー使用状況\n\nTotal Memory \t%lld MB\nAvailalble Memory  \t%lld "
                  "MB\nPercent in use \t%lld %%\nTotal virtual Memory \t%lld MB\nAvail virtual "
                  "Memory \t%lld MB",
                  Megabytes(s.totalPhysical), Megabytes(s.availablePhysical),
                  static_cast<long long>(s.load), Megabytes(s.totalVirtual),
                  Megabytes(s.availableVirtual));
    return text;
}

}  // namespace korvo::app

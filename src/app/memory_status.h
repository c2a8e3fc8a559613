// The memory figures the file memo command shows: physical memory of the
// machine and the address space of the process, read from /proc on Linux.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvo::app {

struct MemoryStatus {
    std::uint64_t totalPhysical = 0;      // bytes
    std::uint64_t availablePhysical = 0;  // bytes
    std::uint32_t load = 0;               // percent of physical memory in use
    std::uint64_t totalVirtual = 0;       // the process's address space, bytes
    std::uint64_t availableVirtual = 0;   // of it, not yet mapped
    friend bool operator==(const MemoryStatus&, const MemoryStatus&) = default;
};

// From the texts of /proc/meminfo and /proc/self/status and the size of the
// address space. Fields that are missing count as 0.
MemoryStatus ParseMemoryStatus(std::string_view meminfo, std::string_view selfStatus,
                               std::uint64_t addressSpace);

// The figures of this machine and process now.
MemoryStatus ReadMemoryStatus();

inline constexpr const char* kMemoryStatusCaption = "Memory Status ";
// The box's text: each size in bytes divided by 1,000,000.
std::string FormatMemoryStatus(const MemoryStatus& status);

}  // namespace korvo::app

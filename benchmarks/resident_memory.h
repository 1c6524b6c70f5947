#pragma once

#include <fstream>
#include <string>

namespace palvo::bench {

// The process's resident memory in KiB as Linux reports it; -1 where it cannot be read.
inline long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

}  // namespace palvo::bench

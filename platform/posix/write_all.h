#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string_view>

namespace palvo {

// Writes every byte of `bytes` to `descriptor`, going on after short writes and interrupted
// calls; false when the system refuses a write (a full disk, a closed descriptor).
inline bool WriteAll(int descriptor, std::string_view bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        written += static_cast<std::size_t>(result);
    }
    return true;
}

}  // namespace palvo

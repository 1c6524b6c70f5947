#include "platform/win32/win32_entropy_source.h"

#include <windows.h>
// After windows.h, which it needs.
#include <bcrypt.h>

namespace palvo::win32 {

std::uint64_t Win32EntropySource::FreshSeed()
{
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    std::uint64_t seed = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    std::uint64_t random = 0;
    if (BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&random), sizeof(random),
                                       BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        seed ^= random;
    } else {
        seed ^= static_cast<std::uint64_t>(GetTickCount()) << 21;
    }
    return seed;
}

}  // namespace palvo::win32

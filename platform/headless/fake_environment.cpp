#include "platform/headless/fake_environment.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"

namespace palvo {

bool FakeEnvironment::FileExists(const std::string& path) const
{
    if (files_.count(path) != 0) {
        return true;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(PathFromUtf8(path), error);
}

}  // namespace palvo

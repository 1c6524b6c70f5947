#include "platform/win32/win32_card_command.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "cards/card_command.h"
#include "config/config_store.h"
#include "platform/paths.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/win32_entropy_source.h"
#include "platform/win32/win32_environment.h"

namespace palvo::win32 {

namespace {

void Tell(const std::string& text)
{
    const std::wstring wide = Widen(text + "\r\n");
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
        DWORD written = 0;
        if (error != nullptr && error != INVALID_HANDLE_VALUE &&
            WriteConsoleW(error, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr)) {
            return;
        }
    }
    MessageBoxW(nullptr, wide.c_str(), L"Palvo", MB_OK | MB_ICONWARNING);
}

}  // namespace

std::optional<int> RunCardCommandLine()
{
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        return std::nullopt;
    }
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(Narrow(words[i]));
    }
    LocalFree(words);
    const CardCommandLine line = ParseCardCommandLine(arguments);
    if (line.kind == CardCommandLine::Kind::NotCards) {
        return std::nullopt;
    }
    if (line.kind == CardCommandLine::Kind::Invalid) {
        Tell(line.problem);
        return 2;
    }
    Win32Environment environment;
    CConfig config(environment.SettingsDirectory(), environment.DataDirectory());
    static_cast<void>(config.ReadConfig());
    Win32EntropySource entropy;
    const CardCommandResult result = RunCardCommand(
        line.request, PathFromUtf8(environment.SettingsDirectory()), config.NumMax(), entropy, nullptr);
    if (!result.message.empty()) {
        Tell(result.message);
    }
    return result.exitCode;
}

}  // namespace palvo::win32

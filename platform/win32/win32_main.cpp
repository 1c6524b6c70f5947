// Palvo for Windows: the number caller's main window on the native Win32 API.

#include <windows.h>
// After windows.h, which it needs.
#include <objbase.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "app/audience_display.h"
#include "app/main_window.h"
#include "app/operator_panel.h"
#include "app/players_web.h"
#include "app/settings_folder_claim.h"
#include "platform/paths.h"
#include "platform/platform_services.h"
#include "platform/win32/win32_audience_window.h"
#include "platform/win32/win32_card_command.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_common_dialogs.h"
#include "platform/win32/win32_entropy_source.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_instance_lock.h"
#include "platform/win32/win32_main_window_view.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_operator_panel.h"
#include "platform/win32/win32_panel_sections.h"
#include "platform/win32/win32_settings_dialog_host.h"
#include "platform/win32/win32_sound.h"
#include "texts/japanese.h"
#include "web/web_service.h"

namespace {

// The options the program reads are plain ASCII; any other character only has to stay unequal.
std::vector<std::string> NarrowArguments()
{
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) {
        std::string argument;
        for (const wchar_t* c = __wargv[i]; *c != L'\0'; ++c) {
            argument += *c < 0x80 ? static_cast<char>(*c) : '?';
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    // palvo --cards ...: cards written to a file, no window.
    if (const std::optional<int> exitCode = palvo::win32::RunCardCommandLine()) {
        return *exitCode;
    }
    // The picture decoder and the common dialogs are COM clients on this, the only, thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int exitCode = 0;
    {
        palvo::win32::Win32Environment environment;
        palvo::win32::Win32Clock clock;
        palvo::win32::Win32EventPump events;
        palvo::win32::Win32MessageBoxes messages;
        palvo::win32::Win32Sound sound;
        palvo::win32::Win32EntropySource entropy;
        palvo::win32::Win32CommonDialogs dialogs;
        palvo::win32::Win32MainWindowView view(instance, environment.DataDirectory());
        messages.SetOwner([&view] { return view.Form().Window(); });
        palvo::win32::Win32SettingsDialogHost settingsDialog(instance, view, environment, dialogs, messages);

        palvo::PlatformServices services{clock,       events,  messages,      sound,
                                         environment, entropy, settingsDialog};
        palvo::MainWindow mainWindow(view, services);
        // A second start on the same settings folder would write the same journal.
        palvo::win32::Win32InstanceLock instanceLock;
        if (!palvo::ClaimSettingsFolder(instanceLock, messages, environment.SettingsDirectory())) {
            exitCode = 1;
        } else if (mainWindow.FormLoad()) {
            // F5 in the operator's window opens and closes the players' display.
            const HWND operatorWindow = view.Form().Window();
            instanceLock.MarkWindow(operatorWindow);
            palvo::win32::Win32AudienceWindow audienceWindow(instance, operatorWindow);
            palvo::AudienceDisplay audience(audienceWindow, mainWindow, clock,
                                            environment.SettingsDirectory());
            mainWindow.AddListener(audience);
            // F2 in the operator's window or the players' display opens and closes the panel.
            palvo::win32::Win32OperatorPanel panelWindow(instance, operatorWindow);
            palvo::OperatorPanel panel(panelWindow, mainWindow, messages, clock,
                                       environment.SettingsDirectory());
            mainWindow.AddListener(panel);
            mainWindow.SetStartObserver([&panel] { panel.OnOperatorStart(); });
            // F6 and --web: the players' phones, served on a thread of the web service's own.
            const std::vector<std::string> arguments = NarrowArguments();
            const std::optional<palvo::WebCommandLine> webWanted =
                palvo::ReadWebCommandLine(std::vector<std::string_view>(arguments.begin(), arguments.end()));
            if (!webWanted) {
                messages.Show(palvo::texts::kWebBadPort, palvo::MessageStyle::Warning);
            }
            // The wall clock starts the phones' seq, so it grows across restarts too.
            const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
            palvo::PlayersWeb playersWeb(
                mainWindow.State(), audience, palvo::PathFromUtf8(environment.SettingsDirectory()),
                webWanted.value_or(palvo::WebCommandLine{}).Options(),
                std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
            palvo::WebService& web = playersWeb.Service();
            const auto turnOn = [&web, &messages] {
                if (!web.TurnOn()) {
                    messages.Show(palvo::texts::kWebCannotStart, palvo::MessageStyle::Warning);
                }
            };
            if (webWanted && webWanted->on) {
                turnOn();
            }
            // F6 and the panel's 「スマホ表示」 box.
            const auto toggleWeb = [&web, &turnOn] {
                if (web.IsOn()) {
                    web.TurnOff();
                } else {
                    turnOn();
                }
            };
            palvo::win32::Win32PanelSections panelSections(
                panelWindow, mainWindow.State(), palvo::PathFromUtf8(environment.SettingsDirectory()),
                entropy, [&mainWindow] { return palvo::DigitColour(mainWindow); },
                [&audience](const palvo::CardVerdict& verdict) { return audience.ShowCardProof(verdict); },
                messages, web, toggleWeb);
            MSG message{};
            BOOL got = 0;
            while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
                if (message.message == WM_KEYDOWN && message.wParam == VK_F5 &&
                    (message.hwnd == operatorWindow || IsChild(operatorWindow, message.hwnd))) {
                    audience.Toggle();
                    continue;
                }
                if (message.message == WM_KEYDOWN && message.wParam == VK_F2 &&
                    (message.lParam & (1 << 30)) == 0 &&
                    (message.hwnd == operatorWindow || IsChild(operatorWindow, message.hwnd) ||
                     (audienceWindow.Window() != nullptr && message.hwnd == audienceWindow.Window()))) {
                    panel.Toggle();
                    continue;
                }
                if (message.message == WM_KEYDOWN && message.wParam == VK_F6 &&
                    (message.hwnd == operatorWindow || IsChild(operatorWindow, message.hwnd))) {
                    toggleWeb();
                    continue;
                }
                if (panelWindow.TranslateKeyboard(message)) {
                    continue;
                }
                if (view.TranslateKeyboard(message)) {
                    continue;
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = got == 0 ? static_cast<int>(message.wParam) : 1;
            panel.Close();  // its place and choices are kept for the next run
            mainWindow.SetStartObserver(nullptr);
            audience.SetColumnsObserver(nullptr);  // the web service goes first
            // The settings could not be saved at the close: not a success, whoever saw the warning.
            if (exitCode == 0 && mainWindow.CloseSaveFailure()) {
                exitCode = 1;
            }
        } else {
            exitCode = 1;
        }
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return exitCode;
}

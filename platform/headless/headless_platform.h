#pragma once

#include <string>

#include "platform/headless/fake_environment.h"
#include "platform/headless/fixed_entropy.h"
#include "platform/headless/headless_main_window_view.h"
#include "platform/headless/recording_settings_dialog_host.h"
#include "platform/headless/recording_sound.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/headless/virtual_time.h"
#include "platform/platform_services.h"

namespace palvo {

// Every platform service in memory around one virtual clock, plus the main window double:
// construct it, hand `view` and `services` to MainWindow, then drive and inspect the parts.
struct HeadlessPlatform {
    explicit HeadlessPlatform(const std::string& applicationDirectory, double twipsPerPixel = 15.0)
        : environment(applicationDirectory, twipsPerPixel), view(applicationDirectory)
    {
    }

    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    VirtualTime time;
    ScriptedMessageBoxes messages;
    RecordingSound sound{time};
    FakeEnvironment environment;
    FixedEntropy entropy;
    RecordingSettingsDialogHost settingsDialog;
    PlatformServices services{time, time, messages, sound, environment, entropy, settingsDialog};
    HeadlessMainWindowView view;
};

}  // namespace palvo

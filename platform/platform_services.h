#pragma once

#include "platform/clock.h"
#include "platform/common_dialogs.h"
#include "platform/entropy_source.h"
#include "platform/environment.h"
#include "platform/event_pump.h"
#include "platform/message_boxes.h"
#include "platform/settings_dialog_host.h"
#include "platform/sound.h"

namespace palvo {

// Everything the game logic needs of the platform besides the window itself.
struct PlatformServices {
    Clock& clock;
    EventPump& events;
    MessageBoxes& messages;
    Sound& sound;
    Environment& environment;
    EntropySource& entropy;
    SettingsDialogHost& settingsDialog;
};

}  // namespace palvo

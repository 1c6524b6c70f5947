// The card and phone sections of the Windows operator's panel against the real window system:
// their place in Tab order, Ctrl+K, Enter in the code field, the print order's refusals and the
// phones' box.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "cards/bingo_card.h"
#include "cards/card_key.h"
#include "platform/headless/fixed_entropy.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/win32/os/wide_text.h"
#include "platform/win32/win32_operator_panel.h"
#include "platform/win32/win32_panel_sections.h"
#include "tests/win32/scratch_folder.h"
#include "texts/japanese.h"
#include "web/web_service.h"

namespace palvo::win32 {
namespace {

std::string TextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return Narrow(text);
}

TEST(Win32PanelSections, TabOrderKeysAndTheirWork)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"palvo_panel_sections_" + std::to_wstring(GetCurrentProcessId());
    testing::RemoveFolder(folder);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::filesystem::path settings(folder);

    FixedEntropy entropy(5);
    ScriptedMessageBoxes messages;
    GameStatePublisher game;
    DrawRecord record;
    record.Create(75);
    game.OnGameReset(record);
    WebServerOptions options;
    options.address = "127.0.0.1";
    options.firstPort = 18451;
    options.lastPort = 18469;
    {
        WebService web(game, nullptr, options);
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                           nullptr, nullptr, instance, nullptr);
        Win32OperatorPanel panel(instance, owner);
        int toggles = 0;
        std::vector<CardCode> shownToHall;
        Win32PanelSections sections(
            panel, game, settings, entropy, [] { return ColorTriple{0, 180, 255}; },
            [&shownToHall](const CardVerdict& verdict) {
                shownToHall.push_back(verdict.card->code);
                return shownToHall.size() == 1;  // then the hall's window is closed
            },
            messages, web, [&web, &toggles] {
                ++toggles;
                web.Toggle();
            });
        panel.Open(std::nullopt);
        const HWND window = panel.Window();
        auto item = [window](int id) { return GetDlgItem(window, id); };
        constexpr int kCode = 201, kVerdict = 202, kNumMax = 204, kPrint = 205, kWebOn = 206, kAddress = 207,
                      kProof = 208;
        constexpr int kPanelClose = 109;

        // After the code: the hall's button (skipped while there is no card), the print order, the
        // phones, then the panel's close button.
        auto tabOrder = [&](int count) {
            std::vector<int> order;
            HWND at = item(kCode);
            for (int i = 0; i < count; ++i) {
                at = GetNextDlgTabItem(window, at, FALSE);
                order.push_back(GetDlgCtrlID(at));
            }
            return order;
        };
        EXPECT_EQ(tabOrder(6), (std::vector<int>{203, kNumMax, kPrint, kWebOn, kAddress, kPanelClose}));

        // Ctrl+K from another field, then a typed code and Enter (IDOK, as IsDialogMessage sends).
        SetFocus(item(kNumMax));
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        MSG control{item(kNumMax), WM_KEYDOWN, 'K', 1, 0, {}};
        EXPECT_TRUE(panel.TranslateKeyboard(control));
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        EXPECT_EQ(GetFocus(), item(kCode));
        const CardKeyReading key = ReadOrCreateCardKey(settings, entropy);
        ASSERT_TRUE(key.Usable());
        std::string typed = CardCodeText(CardMaker(key.key).MakeCard(75, 0, 9)->code);
        for (char& c : typed) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        SetWindowTextW(item(kCode), Widen(typed).c_str());
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        EXPECT_EQ(TextOf(item(kVerdict)).rfind(texts::kCardNotYet, 0), 0u) << TextOf(item(kVerdict));
        EXPECT_EQ(tabOrder(7), (std::vector<int>{kProof, 203, kNumMax, kPrint, kWebOn, kAddress, kPanelClose}));

        // The card to the hall; a closed hall's window is said.
        SendMessageW(item(kProof), BM_CLICK, 0, 0);
        SendMessageW(item(kProof), BM_CLICK, 0, 0);
        const CardCode checked = CardMaker(key.key).MakeCard(75, 0, 9)->code;
        EXPECT_EQ(shownToHall, (std::vector<CardCode>{checked, checked}));
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, texts::kCardProofNoHall);
        messages.ClearMessages();

        // The highest number follows the game; one below 25 is refused before any dialog.
        record.Create(90);
        game.OnGameReset(record);
        EXPECT_EQ(TextOf(item(kNumMax)), "90");
        SetWindowTextW(item(kNumMax), L"24");
        SendMessageW(item(kPrint), BM_CLICK, 0, 0);
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].text, texts::kCardNumMaxTooLow);

        // The phones' box, and F6 (the service turned on directly) followed.
        SendMessageW(item(kWebOn), BM_CLICK, 0, 0);
        ASSERT_TRUE(web.IsOn());
        EXPECT_EQ(toggles, 1);
        EXPECT_EQ(SendMessageW(item(kWebOn), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(TextOf(item(kAddress)), web.Address());
        web.TurnOff();
        EXPECT_EQ(SendMessageW(item(kWebOn), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(TextOf(item(kAddress)), texts::kPanelWebOff);
        DestroyWindow(owner);
    }
    testing::RemoveFolder(folder);
}

}  // namespace
}  // namespace palvo::win32

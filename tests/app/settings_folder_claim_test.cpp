#include "app/settings_folder_claim.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/fake_instance_lock.h"
#include "platform/headless/scripted_message_boxes.h"

namespace palvo {
namespace {

// Only a folder held by another running copy stops the start; the system having no lock for the
// folder must not keep the operator out. The warning comes before the running window is brought
// forward, so that the operator reads why and then finds the window in front.
TEST(SettingsFolderClaim, OnlyAFolderHeldElsewhereStopsTheStartAfterSayingSo)
{
    const std::string folder = "/home/hall/パルボ";
    const struct {
        FolderClaim claim;
        bool runs;
        std::vector<std::string> calls;
    } cases[] = {
        {FolderClaim::Owned, true, {"Claim " + folder}},
        {FolderClaim::Unavailable, true, {"Claim " + folder}},
        {FolderClaim::HeldElsewhere, false, {"Claim " + folder, "BringOwnerToFront"}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(static_cast<int>(each.claim));
        FakeInstanceLock lock(each.claim);
        ScriptedMessageBoxes messages;
        std::vector<std::string> callsWhileTheBoxWasOpen;
        messages.SetWhileOpen(
            [&](const ScriptedMessageBoxes::Shown&) { callsWhileTheBoxWasOpen = lock.Calls(); });
        EXPECT_EQ(ClaimSettingsFolder(lock, messages, folder), each.runs);
        EXPECT_EQ(lock.Calls(), each.calls);
        if (each.runs) {
            EXPECT_TRUE(messages.Messages().empty());
            continue;
        }
        ASSERT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(messages.Messages()[0].style, MessageStyle::Warning);
        EXPECT_NE(messages.Messages()[0].text.find("すでに起動しています"), std::string::npos);
        EXPECT_NE(messages.Messages()[0].text.find("\n" + folder + "\n"), std::string::npos)
            << "names the folder";
        EXPECT_EQ(callsWhileTheBoxWasOpen, std::vector<std::string>{"Claim " + folder})
            << "forward after the box";
    }
}

}  // namespace
}  // namespace palvo

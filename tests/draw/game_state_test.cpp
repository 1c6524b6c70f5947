#include "draw/game_state.h"

#include <gtest/gtest.h>

#include <thread>

namespace palvo {
namespace {

TEST(GameStatePublisher, FollowsTheGameWithAGrowingSequence)
{
    GameStatePublisher publisher;
    std::vector<std::uint64_t> watched;
    publisher.Watch([&](const std::shared_ptr<const GameState>& state) { watched.push_back(state->seq); });

    DrawRecord record;
    record.Create(3);
    publisher.OnGameReset(record);
    const std::shared_ptr<const GameState> empty = publisher.Snapshot();
    publisher.OnNumberShown(2);
    EXPECT_EQ(publisher.Snapshot()->rolling, std::optional<std::int16_t>(2));
    record.Append(2);
    publisher.OnNumberDrawn(record);
    record.Append(3);
    publisher.OnNumberDrawn(record);

    const GameState two = *publisher.Snapshot();
    EXPECT_EQ(two.called, (std::vector<std::int16_t>{2, 3}));
    EXPECT_EQ(two.Newest(), std::optional<std::int16_t>(3));
    EXPECT_EQ(two.Count(), 2);
    EXPECT_EQ(two.numMax, 3);
    EXPECT_FALSE(two.rolling) << "a settled number ends the roll";
    EXPECT_FALSE(two.over);
    EXPECT_EQ(two.game, empty->game);
    EXPECT_TRUE(empty->called.empty()) << "an earlier snapshot never changes";

    record.Append(1);
    publisher.OnNumberDrawn(record);
    EXPECT_TRUE(publisher.Snapshot()->over);

    record.Create(3);
    publisher.OnGameReset(record);
    EXPECT_EQ(publisher.Snapshot()->game, two.game + 1);
    EXPECT_FALSE(publisher.Snapshot()->over);
    EXPECT_EQ(watched, (std::vector<std::uint64_t>{1, 2, 3, 4, 5, 6}));
}

TEST(GameStatePublisher, AnotherThreadReadsWholeSnapshotsOnly)
{
    GameStatePublisher publisher;
    DrawRecord record;
    record.Create(99);
    publisher.OnGameReset(record);
    std::atomic<bool> done = false;
    std::thread reader([&] {
        while (!done.load()) {
            const std::shared_ptr<const GameState> state = publisher.Snapshot();
            // A torn read would show a count that disagrees with its own numbers.
            ASSERT_EQ(state->called.size(), state->seq - 1);
        }
    });
    for (std::int16_t n = 1; n <= 99; ++n) {
        record.Append(n);
        publisher.OnNumberDrawn(record);
    }
    done = true;
    reader.join();
    EXPECT_EQ(publisher.Snapshot()->Count(), 99);
}

}  // namespace
}  // namespace palvo

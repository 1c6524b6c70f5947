#include "web/web_server.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/web/loopback_client.h"
#include "web/state_json.h"

namespace palvo {
namespace {

using namespace std::chrono_literals;
using testing::Client;

WebState Called(std::uint64_t seq, std::vector<std::int16_t> called, std::optional<std::int16_t> rolling = {})
{
    auto state = std::make_shared<GameState>();
    state->game = 1;
    state->seq = seq;
    state->numMax = 75;
    state->called = std::move(called);
    state->rolling = rolling;
    return WebState{std::move(state), false, seq};
}

WebServerOptions Loopback()
{
    WebServerOptions options;
    options.address = "127.0.0.1";
    options.firstPort = 18180;
    options.lastPort = 18199;
    return options;
}

TEST(WebServer, TakesTheNextFreePortAndServesOverKeptAliveConnections)
{
    WebServer first(Loopback(), nullptr);
    WebServer second(Loopback(), nullptr);
    const std::optional<std::uint16_t> port = first.Start(Called(5, {4, 8}));
    ASSERT_TRUE(port);
    const std::optional<std::uint16_t> next = second.Start(Called(5, {}));
    ASSERT_TRUE(next);
    EXPECT_GT(*next, *port) << "the taken port is skipped";

    Client client(*port);
    client.Send("GET /state HTTP/1.1\r\nHost: x\r\n\r\nGET /nowhere HTTP/1.1\r\nHost: x\r\n\r\n");
    const std::optional<std::string> state = client.ReadAnswer();
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->starts_with("HTTP/1.1 200 OK\r\n")) << *state;
    EXPECT_TRUE(state->ends_with("\r\n\r\n" + StateJson(Called(5, {4, 8})))) << *state;
    const std::optional<std::string> missing = client.ReadAnswer();
    ASSERT_TRUE(missing) << "a pipelined second request is answered on the same connection";
    EXPECT_TRUE(missing->starts_with("HTTP/1.1 404 ")) << *missing;

    first.Publish(Called(6, {4, 8, 15}));
    std::this_thread::sleep_for(50ms);
    client.Send("HEAD /state HTTP/1.1\r\nHost: x\r\n\r\n");
    const std::optional<std::string> head = client.ReadUntil("\r\n\r\n");
    ASSERT_TRUE(head);
    EXPECT_NE(head->find("Content-Length: " + std::to_string(StateJson(Called(6, {4, 8, 15})).size())),
              std::string::npos)
        << *head;
    client.Send("GET /state HTTP/1.1\r\nHost: x\r\n\r\n");
    const std::optional<std::string> after = client.ReadAnswer();
    ASSERT_TRUE(after);
    EXPECT_TRUE(after->starts_with("HTTP/1.1 200 "))
        << "HEAD sent no body to be mistaken for the next answer";
}

TEST(WebServer, EventsFollowTheGameAndResumeFromLastEventId)
{
    WebServer server(Loopback(), nullptr);
    const std::optional<std::uint16_t> port = server.Start(Called(5, {4}));
    ASSERT_TRUE(port);
    Client fresh(*port);
    fresh.Send("GET /events HTTP/1.1\r\nHost: x\r\n\r\n");
    const std::optional<std::string> head = fresh.ReadUntil("\r\n\r\n");
    ASSERT_TRUE(head);
    EXPECT_NE(head->find("Content-Type: text/event-stream"), std::string::npos);
    EXPECT_EQ(fresh.ReadUntil("\n\n"), "retry: 1500\n\n");
    EXPECT_EQ(fresh.ReadUntil("\n\n"), StateEvent(Called(5, {4}))) << "a new client catches up at once";

    Client resumed(*port);
    resumed.Send("GET /events HTTP/1.1\r\nHost: x\r\nLast-Event-ID: 5\r\n\r\n");
    ASSERT_TRUE(resumed.ReadUntil("retry: 1500\n\n"));
    Client behind(*port);
    behind.Send("GET /events HTTP/1.1\r\nHost: x\r\nLast-Event-ID: 3\r\n\r\n");
    ASSERT_TRUE(behind.ReadUntil("retry: 1500\n\n"));
    EXPECT_EQ(behind.ReadUntil("\n\n"), StateEvent(Called(5, {4}))) << "what it missed";

    server.Publish(Called(6, {4}, 30));
    server.Publish(Called(7, {4, 30}));
    // The rolling candidate is no event; the resumed client, which had seq 5, gets seq 7 first.
    for (Client* client : {&fresh, &resumed, &behind}) {
        EXPECT_EQ(client->ReadUntil("\n\n"), StateEvent(Called(7, {4, 30})));
    }
}

TEST(WebServer, RefusesConnectionsBeyondItsCapWithoutDisturbingTheOthers)
{
    WebServerOptions options = Loopback();
    options.maxConnections = 3;
    WebServer server(options, nullptr);
    const std::optional<std::uint16_t> port = server.Start(Called(1, {}));
    ASSERT_TRUE(port);
    std::vector<std::unique_ptr<Client>> held;
    for (int i = 0; i < 3; ++i) {
        held.push_back(std::make_unique<Client>(*port));
    }
    for (int tries = 0; tries < 100 && server.Connections() < 3; ++tries) {
        std::this_thread::sleep_for(5ms);
    }
    ASSERT_EQ(server.Connections(), 3u);
    Client extra(*port);
    EXPECT_TRUE(extra.ClosedWithin(2s));
    for (auto& client : held) {
        client->Send("GET /state HTTP/1.1\r\nHost: x\r\n\r\n");
        const std::optional<std::string> answer = client->ReadAnswer();
        ASSERT_TRUE(answer);
        EXPECT_TRUE(answer->starts_with("HTTP/1.1 200 ")) << *answer;
    }
    // F6 turns the service off on the window thread: it must not wait for idle clients.
    const auto stopping = std::chrono::steady_clock::now();
    server.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, 2s);
}

TEST(WebServer, ClosesSlowHeadsOversizeHeadsAndBodies)
{
    WebServerOptions options = Loopback();
    options.headTimeout = 300ms;
    options.idleTimeout = 10s;
    WebServer server(options, nullptr);
    const std::optional<std::uint16_t> port = server.Start(Called(1, {}));
    ASSERT_TRUE(port);

    Client slow(*port);
    slow.Send("GET /state HTTP/1.1\r\nHo");
    EXPECT_TRUE(slow.ClosedWithin(2s)) << "a head that never ends";
    Client kept(*port);
    kept.Send("GET /state HTTP/1.1\r\nHost: x\r\n\r\n");
    ASSERT_TRUE(kept.ReadAnswer());
    kept.Send("GET /state HTTP/1.1\r\nHo");
    EXPECT_TRUE(kept.ClosedWithin(2s)) << "a second head has the head's time, not the idle time";

    struct Hostile {
        std::string bytes;
        std::string status;
    };
    for (const Hostile& hostile :
         {Hostile{"GET / HTTP/1.1\r\nX: " + std::string(10'000, 'x') + "\r\n\r\n", "431"},
          Hostile{"POST /state HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", "413"},
          Hostile{"\x01\x02\x03 garbage\r\n\r\n", "400"}}) {
        Client client(*port);
        client.Send(hostile.bytes);
        const std::optional<std::string> answer = client.ReadAnswer();
        ASSERT_TRUE(answer) << hostile.status;
        EXPECT_TRUE(answer->starts_with("HTTP/1.1 " + hostile.status)) << *answer;
        EXPECT_TRUE(client.ClosedWithin(1s)) << hostile.status;
    }
}

}  // namespace
}  // namespace palvo

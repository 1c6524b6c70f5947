#include "web/web_service.h"

#include <gtest/gtest.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>
#include <thread>

#include "tests/web/loopback_client.h"
#include "web/state_json.h"

namespace palvo {
namespace {

// The body of GET /state at `address` ("http://127.0.0.1:PORT/").
std::string FetchState(const std::string& address)
{
    namespace asio = boost::asio;
    const auto port = static_cast<std::uint16_t>(std::stoi(address.substr(address.rfind(':') + 1)));
    asio::io_context io;
    asio::ip::tcp::socket socket(io);
    boost::system::error_code error;
    socket.connect(asio::ip::tcp::endpoint(asio::ip::make_address_v4("127.0.0.1"), port), error);
    asio::write(socket, asio::buffer(std::string("GET /state HTTP/1.1\r\nConnection: close\r\n\r\n")), error);
    std::string reply;
    asio::read(socket, asio::dynamic_buffer(reply), error);
    return reply.substr(reply.find("\r\n\r\n") + 4);
}

TEST(WebCommandLine, ReadsWebAndWebPortAndRefusesOtherPorts)
{
    struct Case {
        std::vector<std::string_view> arguments;
        std::optional<WebCommandLine> wanted;
    };
    const Case cases[] = {
        {{}, WebCommandLine{false, 8080}},
        {{"--other"}, WebCommandLine{false, 8080}},
        {{"--web"}, WebCommandLine{true, 8080}},
        {{"-platform", "offscreen", "--web=9000"}, WebCommandLine{true, 9000}},
        {{"--web=1"}, WebCommandLine{true, 1}},
        {{"--web=65535"}, WebCommandLine{true, 65535}},
        {{"--web=0"}, std::nullopt},
        {{"--web=65536"}, std::nullopt},
        {{"--web="}, std::nullopt},
        {{"--web=80x"}, std::nullopt},
        {{"--web=-1"}, std::nullopt},
        {{"--webb"}, WebCommandLine{false, 8080}},
    };
    for (const Case& c : cases) {
        const std::optional<WebCommandLine> read = ReadWebCommandLine(c.arguments);
        ASSERT_EQ(read.has_value(), c.wanted.has_value()) << (c.arguments.empty() ? "" : c.arguments.back());
        if (read) {
            EXPECT_EQ(read->on, c.wanted->on);
            EXPECT_EQ(read->firstPort, c.wanted->firstPort);
        }
    }
    EXPECT_EQ(WebCommandLine{}.Options().lastPort, 8099);
    EXPECT_EQ((WebCommandLine{true, 65530}.Options().lastPort), 65535);
}

TEST(WebService, TurnsOnAndOffTellsItsWatchersAndServesTheGameAsItMoves)
{
    GameStatePublisher publisher;
    WebServerOptions options;
    options.address = "127.0.0.1";
    options.firstPort = 18250;
    options.lastPort = 18269;
    WebService service(publisher, nullptr, options);
    int told = 0;
    service.Watch([&] { ++told; });
    EXPECT_TRUE(service.Address().empty());
    ASSERT_TRUE(service.Toggle());
    EXPECT_TRUE(service.IsOn());
    EXPECT_TRUE(service.Address().starts_with("http://127.0.0.1:182")) << service.Address();
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(service.TurnOn()) << "already on";
    EXPECT_EQ(told, 1);

    DrawRecord record;
    record.Create(30);
    record.Append(17);
    publisher.OnNumberDrawn(record);
    for (int tries = 0; tries < 100 && FetchState(service.Address()) != StateJson(service.State()); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(FetchState(service.Address()), StateJson(service.State()));
    EXPECT_FALSE(service.Toggle());
    EXPECT_FALSE(service.IsOn());
    EXPECT_TRUE(service.Address().empty());
    EXPECT_EQ(told, 2);
    record.Append(4);
    publisher.OnNumberDrawn(record);  // while off: nothing is served, nothing breaks
    ASSERT_TRUE(service.TurnOn());
    EXPECT_EQ(told, 3);
    EXPECT_EQ(FetchState(service.Address()), StateJson(service.State())) << "on again, it starts from now";
}

// The id of the event in `text` ("id: N\ndata: ...\n\n"), or nothing.
std::optional<std::uint64_t> EventId(const std::optional<std::string>& text)
{
    if (!text || !text->starts_with("id: ")) {
        return std::nullopt;
    }
    return std::stoull(text->substr(4));
}

TEST(WebService, ThePhonesFollowTheHallsLayoutAndSeqGrowsAcrossRestarts)
{
    constexpr std::int64_t kStarted = 1'765'000'000'000;  // a wall clock in December 2025
    EXPECT_EQ(WebSeqBase(kStarted), 1'765'000'000'000u);
    EXPECT_EQ(WebSeqBase(-1), 0u) << "a clock before 1970";
    EXPECT_EQ(WebSeqBase(std::int64_t{1} << 62), 4'503'599'627'370'496u)
        << "2^52: room for 2^52 changes below 2^53";

    WebServerOptions options;
    options.address = "127.0.0.1";
    options.firstPort = 18270;
    options.lastPort = 18289;
    std::uint64_t lastSeen = 0;
    {
        GameStatePublisher publisher;
        DrawRecord record;
        record.Create(75);
        record.Append(17);
        publisher.OnNumberDrawn(record);
        WebService service(publisher, nullptr, options, WebSeqBase(kStarted));
        service.SetColumns(true);  // the audience display's layout at start
        ASSERT_TRUE(service.TurnOn());
        const auto port = static_cast<std::uint16_t>(std::stoi(service.Address().substr(17)));
        testing::Client phone(port);
        phone.Send("GET /events HTTP/1.1\r\nHost: x\r\n\r\n");
        ASSERT_TRUE(phone.ReadUntil("retry: 1500\n\n"));
        const std::optional<std::string> first = phone.ReadUntil("\n\n");
        ASSERT_TRUE(first);
        EXPECT_NE(first->find(R"("called":[17],"newest":17,"count":1,"over":false,"columns":true})"),
                  std::string::npos)
            << *first;
        const std::uint64_t started = EventId(first).value_or(0);
        EXPECT_GT(started, 1'765'000'000'000u) << "the run's seq starts from the wall clock";

        // A switch of the hall's board is one event, with the next id; the same layout again is none.
        service.SetColumns(false);
        service.SetColumns(false);
        const std::optional<std::string> switched = phone.ReadUntil("\n\n");
        EXPECT_EQ(EventId(switched), started + 1);
        ASSERT_TRUE(switched);
        EXPECT_TRUE(switched->ends_with(R"("over":false,"columns":false})"
                                        "\n\n"))
            << *switched;
        publisher.OnNumberShown(40);  // a rolling candidate: no event, yet a change
        record.Append(40);
        publisher.OnNumberDrawn(record);
        const std::optional<std::uint64_t> drawn = EventId(phone.ReadUntil("\n\n"));
        ASSERT_TRUE(drawn);
        EXPECT_GT(*drawn, started + 1);

        // A phone that saw the newest event waits for the next; one with an id this run never
        // published (a later one, or garbage) gets the state at once.
        testing::Client upToDate(port);
        upToDate.Send("GET /events HTTP/1.1\r\nHost: x\r\nLast-Event-ID: " + std::to_string(*drawn) +
                      "\r\n\r\n");
        ASSERT_TRUE(upToDate.ReadUntil("retry: 1500\n\n"));
        for (const std::string& foreign : {std::to_string(*drawn + 1000), std::string("x")}) {
            testing::Client stranger(port);
            stranger.Send("GET /events HTTP/1.1\r\nHost: x\r\nLast-Event-ID: " + foreign + "\r\n\r\n");
            ASSERT_TRUE(stranger.ReadUntil("retry: 1500\n\n"));
            EXPECT_EQ(stranger.ReadUntil("\n\n"), StateEvent(service.State())) << foreign;
        }
        service.SetColumns(true);
        const std::optional<std::string> next = upToDate.ReadUntil("\n\n");
        EXPECT_EQ(next, StateEvent(service.State())) << "its first event is the switch";
        EXPECT_EQ(EventId(next), *drawn + 1);
        lastSeen = *drawn + 1;
    }
    // Restarted a second later on a fresh publisher: the phones' seq goes on growing.
    GameStatePublisher publisher;
    WebService service(publisher, nullptr, options, WebSeqBase(kStarted + 1000));
    EXPECT_GT(service.State().seq, lastSeen);
}

}  // namespace
}  // namespace palvo

#include "web/web_service.h"

#include <gtest/gtest.h>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>
#include <thread>

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
    for (int tries = 0; tries < 100 && FetchState(service.Address()) != StateJson(*publisher.Snapshot());
         ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(FetchState(service.Address()), StateJson(*publisher.Snapshot()));
    EXPECT_FALSE(service.Toggle());
    EXPECT_FALSE(service.IsOn());
    EXPECT_TRUE(service.Address().empty());
    EXPECT_EQ(told, 2);
    record.Append(4);
    publisher.OnNumberDrawn(record);  // while off: nothing is served, nothing breaks
    ASSERT_TRUE(service.TurnOn());
    EXPECT_EQ(told, 3);
    EXPECT_EQ(FetchState(service.Address()), StateJson(*publisher.Snapshot()))
        << "on again, it starts from now";
}

}  // namespace
}  // namespace palvo

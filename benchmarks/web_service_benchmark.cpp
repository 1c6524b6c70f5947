// The players' web service under load on loopback: 1,000 event streams (delivery latency of a
// settled number, p50/p99, and the memory they take), /state requests per second over 100
// kept-alive connections, and hostile clients (oversize heads, 5,000 half-open connections, a
// reader that never reads) while the streams go on. Prints numbers; bounded to well under a minute.

#include <algorithm>
#include <array>
#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "benchmarks/resident_memory.h"
#include "web/web_server.h"

namespace {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

using palvo::bench::ResidentKilobytes;

palvo::WebState Game(std::uint64_t seq, std::int16_t count)
{
    auto state = std::make_shared<palvo::GameState>();
    state->game = 1;
    state->seq = seq;
    state->numMax = 75;
    for (std::int16_t n = 1; n <= count; ++n) {
        state->called.push_back(n);
    }
    return palvo::WebState{std::move(state), false, seq};
}

// One event stream: counts the events with `want` in them and notes when the first arrived.
struct Stream {
    explicit Stream(asio::io_context& io) : socket(io) {}
    tcp::socket socket;
    std::string buffer;
    std::string want;
    Clock::time_point got{};
    bool open = false;

    void Read()
    {
        asio::async_read_until(socket, asio::dynamic_buffer(buffer), "\n\n",
                               [this](const boost::system::error_code& error, std::size_t size) {
                                   if (error) {
                                       open = false;
                                       return;
                                   }
                                   if (!want.empty() && got == Clock::time_point{} &&
                                       buffer.substr(0, size).find(want) != std::string::npos) {
                                       got = Clock::now();
                                   }
                                   buffer.erase(0, size);
                                   Read();
                               });
    }
};

double Percentile(std::vector<double> values, double share)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

// Publishes one settled number and returns the delivery times (ms) of the streams that got it.
std::vector<double> DrawOnce(palvo::WebServer& server, asio::io_context& io,
                             std::vector<std::unique_ptr<Stream>>& streams, std::uint64_t seq,
                             std::int16_t count)
{
    const std::string want = "\"count\":" + std::to_string(count) + ",";
    for (auto& stream : streams) {
        stream->want = want;
        stream->got = {};
    }
    const Clock::time_point settled = Clock::now();
    server.Publish(Game(seq, count));
    const Clock::time_point end = settled + 3s;
    while (Clock::now() < end) {
        io.run_for(10ms);
        bool all = true;
        for (auto& stream : streams) {
            all = all && (!stream->open || stream->got != Clock::time_point{});
        }
        if (all) {
            break;
        }
    }
    std::vector<double> delays;
    for (auto& stream : streams) {
        if (stream->got != Clock::time_point{}) {
            delays.push_back(std::chrono::duration<double, std::milli>(stream->got - settled).count());
        }
    }
    return delays;
}

}  // namespace

int main()
{
    constexpr int kStreams = 1000;
    palvo::WebServerOptions options;
    options.address = "127.0.0.1";
    options.firstPort = 18400;
    options.lastPort = 18499;
    options.headTimeout = 5s;
    palvo::WebServer server(options, nullptr);
    const long before = ResidentKilobytes();
    const std::optional<std::uint16_t> port = server.Start(Game(1, 0));
    if (!port) {
        std::puts("web_service_benchmark: no free port");
        return 1;
    }
    const tcp::endpoint endpoint(asio::ip::make_address_v4("127.0.0.1"), *port);
    asio::io_context io;
    std::vector<std::unique_ptr<Stream>> streams;
    for (int i = 0; i < kStreams; ++i) {
        auto stream = std::make_unique<Stream>(io);
        boost::system::error_code error;
        stream->socket.connect(endpoint, error);
        if (error) {
            std::printf("stream %d: %s\n", i, error.message().c_str());
            break;
        }
        asio::write(stream->socket, asio::buffer(std::string("GET /events HTTP/1.1\r\nHost: b\r\n\r\n")),
                    error);
        stream->open = true;
        stream->Read();
        streams.push_back(std::move(stream));
    }
    io.run_for(1s);
    const long withStreams = ResidentKilobytes();
    std::printf("event streams open: %zu (server counts %zu)\n", streams.size(), server.Connections());

    std::vector<double> delays;
    for (std::int16_t n = 1; n <= 3; ++n) {
        const std::vector<double> once = DrawOnce(server, io, streams, 10 + n, n);
        delays.insert(delays.end(), once.begin(), once.end());
    }
    std::printf("3 draws to %zu streams: %zu deliveries, p50 %.1f ms, p99 %.1f ms, max %.1f ms\n",
                streams.size(), delays.size(), Percentile(delays, 0.5), Percentile(delays, 0.99),
                Percentile(delays, 1.0));
    std::printf("memory: %ld KiB before the service, %ld KiB with %zu streams (both sides in this process)\n",
                before, withStreams, streams.size());

    // /state over 100 kept-alive connections, 2 seconds, each client one request in flight.
    {
        asio::io_context load;
        struct Poller {
            explicit Poller(asio::io_context& context) : socket(context) {}
            tcp::socket socket;
            std::string buffer;
            long answers = 0;
        };
        const std::string request = "GET /state HTTP/1.1\r\nHost: b\r\n\r\n";
        std::vector<std::unique_ptr<Poller>> pollers;
        bool running = true;
        std::function<void(Poller&)> ask = [&](Poller& poller) {
            asio::async_write(poller.socket, asio::buffer(request),
                              [&](const boost::system::error_code& error, std::size_t) {
                                  if (error) {
                                      return;
                                  }
                                  asio::async_read_until(
                                      poller.socket, asio::dynamic_buffer(poller.buffer), "}",
                                      [&](const boost::system::error_code& readError, std::size_t size) {
                                          if (readError) {
                                              return;
                                          }
                                          poller.buffer.erase(0, size);
                                          ++poller.answers;
                                          if (running) {
                                              ask(poller);
                                          }
                                      });
                              });
        };
        for (int i = 0; i < 100; ++i) {
            auto poller = std::make_unique<Poller>(load);
            boost::system::error_code error;
            poller->socket.connect(endpoint, error);
            ask(*poller);
            pollers.push_back(std::move(poller));
        }
        const Clock::time_point start = Clock::now();
        load.run_for(2s);
        running = false;
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        long answers = 0;
        for (const auto& poller : pollers) {
            answers += poller->answers;
        }
        std::printf("/state with 100 kept-alive clients: %.0f requests/s\n",
                    static_cast<double>(answers) / seconds);
    }

    // Hostile clients while the streams stay connected.
    {
        asio::io_context hostile;
        std::array<std::string, 3> attacks = {"GET / HTTP/1.1\r\nX: " + std::string(10'000, 'x') + "\r\n\r\n",
                                              "GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1\r\n\r\n",
                                              "\x16\x03\x01 not http\r\n\r\n"};
        int answered = 0;
        for (const std::string& attack : attacks) {
            tcp::socket socket(hostile);
            boost::system::error_code error;
            socket.connect(endpoint, error);
            asio::write(socket, asio::buffer(attack), error);
            std::string reply;
            asio::read(socket, asio::dynamic_buffer(reply), error);
            answered += reply.rfind("HTTP/1.1 4", 0) == 0 ? 1 : 0;
        }
        std::vector<std::unique_ptr<tcp::socket>> halfOpen;
        for (int i = 0; i < 5000; ++i) {
            auto socket = std::make_unique<tcp::socket>(hostile);
            boost::system::error_code error;
            socket->connect(endpoint, error);
            if (!error) {
                asio::write(*socket, asio::buffer(std::string("GET /state HTTP/1.1\r\nHo")), error);
            }
            halfOpen.push_back(std::move(socket));
        }
        // A reader that never reads while events pile up.
        tcp::socket slow(hostile);
        boost::system::error_code error;
        slow.connect(endpoint, error);
        asio::write(slow, asio::buffer(std::string("GET /events HTTP/1.1\r\n\r\n")), error);
        std::printf(
            "hostile: 5,000 half-open connections held, %d of 3 malformed/oversize/encoded answered 4xx, "
            "server counts %zu connections (cap %zu)\n",
            answered, server.Connections(), options.maxConnections);
        std::vector<double> underAttack;
        for (std::int16_t n = 4; n <= 6; ++n) {
            const std::vector<double> once = DrawOnce(server, io, streams, 10 + n, n);
            underAttack.insert(underAttack.end(), once.begin(), once.end());
        }
        std::printf("3 draws under attack: %zu deliveries, p50 %.1f ms, p99 %.1f ms; memory %ld KiB\n",
                    underAttack.size(), Percentile(underAttack, 0.5), Percentile(underAttack, 0.99),
                    ResidentKilobytes());
        // Once the half-open heads run out of time, new clients are served again.
        std::this_thread::sleep_for(options.headTimeout + 1s);
        tcp::socket late(hostile);
        late.connect(endpoint, error);
        asio::write(late, asio::buffer(std::string("GET /state HTTP/1.1\r\nConnection: close\r\n\r\n")),
                    error);
        std::string reply;
        asio::read(late, asio::dynamic_buffer(reply), error);
        std::printf("after the head timeout: server counts %zu connections, a new client gets \"%s\"\n",
                    server.Connections(), reply.substr(0, 15).c_str());
    }
    server.Stop();
    return 0;
}

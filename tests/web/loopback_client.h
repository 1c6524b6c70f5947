#pragma once

#include <gtest/gtest.h>

#include <array>
#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/write.hpp>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace palvo::testing {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using namespace std::chrono_literals;

// A loopback client whose every wait is bounded, so a fault shows as a failure, not a hang.
class Client {
public:
    explicit Client(std::uint16_t port) : socket_(io_)
    {
        boost::system::error_code error;
        socket_.connect(tcp::endpoint(asio::ip::make_address_v4("127.0.0.1"), port), error);
        EXPECT_FALSE(error) << error.message();
    }

    void Send(const std::string& bytes)
    {
        boost::system::error_code error;
        asio::write(socket_, asio::buffer(bytes), error);
    }

    // The text up to and including `delimiter`; nothing when it does not come within `limit`
    // or the server closes first.
    std::optional<std::string> ReadUntil(const std::string& delimiter, std::chrono::milliseconds limit = 3s)
    {
        std::optional<std::string> result;
        asio::async_read_until(socket_, asio::dynamic_buffer(pending_), delimiter,
                               [&](const boost::system::error_code& error, std::size_t size) {
                                   if (!error) {
                                       result = pending_.substr(0, size);
                                       pending_.erase(0, size);
                                   }
                               });
        Wait(limit);
        return result;
    }

    // An answer with a Content-Length body: its head and body.
    std::optional<std::string> ReadAnswer()
    {
        std::optional<std::string> head = ReadUntil("\r\n\r\n");
        if (!head) {
            return std::nullopt;
        }
        const std::size_t at = head->find("Content-Length: ");
        const std::size_t length = at == std::string::npos ? 0 : std::stoul(head->substr(at + 16));
        while (pending_.size() < length) {
            std::array<char, 4096> chunk{};
            bool done = false;
            socket_.async_read_some(asio::buffer(chunk),
                                    [&](const boost::system::error_code& error, std::size_t size) {
                                        pending_.append(chunk.data(), size);
                                        done = static_cast<bool>(error);
                                    });
            Wait(3s);
            if (done) {
                break;
            }
        }
        std::string answer = *head + pending_.substr(0, length);
        pending_.erase(0, std::min(length, pending_.size()));
        return answer;
    }

    // True when the server closes the connection within `limit`.
    bool ClosedWithin(std::chrono::milliseconds limit)
    {
        bool closed = false;
        std::array<char, 4096> chunk{};
        for (auto end = std::chrono::steady_clock::now() + limit;
             !closed && std::chrono::steady_clock::now() < end;) {
            socket_.async_read_some(asio::buffer(chunk),
                                    [&](const boost::system::error_code& error, std::size_t) {
                                        closed = error && error != asio::error::operation_aborted;
                                    });
            Wait(end - std::chrono::steady_clock::now());
        }
        return closed;
    }

private:
    void Wait(std::chrono::steady_clock::duration limit)
    {
        io_.restart();
        io_.run_for(std::chrono::duration_cast<std::chrono::milliseconds>(limit));
        if (!io_.stopped()) {
            socket_.cancel();
            io_.restart();
            io_.run();
        }
    }

    asio::io_context io_;
    tcp::socket socket_;
    std::string pending_;
};

}  // namespace palvo::testing

#include "web/web_server.h"

#include <array>
#include <atomic>
#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/udp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <thread>
#include <unordered_set>

#include "web/state_json.h"
#include "web/web_exchange.h"

#if defined(__unix__)
#include <sys/resource.h>
#endif

namespace palvo {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using ErrorCode = boost::system::error_code;

namespace {

// Event streams only ever need the newest state, so a slow reader holds one write in flight
// and at most one waiting; a newer state replaces the waiting one.
constexpr std::string_view kPing = "event: ping\ndata: 1\n\n";

void AllowManyConnections()
{
#if defined(__unix__)
    // Each phone holds a socket; the usual soft limit of 1,024 would refuse a full hall.
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
#endif
}

}  // namespace

class WebServer::Impl {
public:
    class Session;

    Impl(const WebServerOptions& options, const CardLookup* cards, WebState state)
        : options_(options),
          cards_(cards),
          acceptor_(io_),
          pingTimer_(io_),
          retryTimer_(io_),
          state_(std::move(state)),
          work_(asio::make_work_guard(io_))
    {
    }

    std::optional<std::uint16_t> Listen()
    {
        ErrorCode error;
        const asio::ip::address address = asio::ip::make_address(options_.address, error);
        if (error) {
            return std::nullopt;
        }
        for (std::uint32_t port = options_.firstPort; port <= options_.lastPort; ++port) {
            const tcp::endpoint endpoint(address, static_cast<std::uint16_t>(port));
            acceptor_.close(error);
            acceptor_.open(endpoint.protocol(), error);
#if !defined(_WIN32)
            // Lets a restarted program take its port back while old connections linger; on
            // Windows the same option would let it share a port another program listens on.
            acceptor_.set_option(tcp::acceptor::reuse_address(true), error);
#endif
            if (!error) {
                acceptor_.bind(endpoint, error);
            }
            if (!error) {
                acceptor_.listen(asio::socket_base::max_listen_connections, error);
            }
            if (!error) {
                return acceptor_.local_endpoint(error).port();
            }
        }
        acceptor_.close(error);
        return std::nullopt;
    }

    void Run()
    {
        Accept();
        Ping();
        thread_ = std::thread([this] { io_.run(); });
    }

    void Stop()
    {
        asio::post(io_, [this] {
            ErrorCode ignored;
            acceptor_.close(ignored);
            pingTimer_.cancel();
            retryTimer_.cancel();
            const std::vector<Session*> open(sessions_.begin(), sessions_.end());
            for (Session* session : open) {
                CloseSession(*session);
            }
            work_.reset();
        });
        thread_.join();
    }

    void Publish(WebState state)
    {
        asio::post(io_, [this, state = std::move(state)] { Deliver(state); });
    }

    std::size_t Connections() const
    {
        return connections_.load(std::memory_order_relaxed);
    }

private:
    void Accept();
    void Ping();
    void Deliver(const WebState& state);
    static void CloseSession(Session& session);

    WebServerOptions options_;
    const CardLookup* cards_;
    asio::io_context io_;
    tcp::acceptor acceptor_;
    asio::steady_timer pingTimer_;
    asio::steady_timer retryTimer_;
    WebState state_;
    std::unordered_set<Session*> sessions_;
    std::unordered_set<Session*> listeners_;  // the open event streams
    std::atomic<std::size_t> connections_ = 0;
    asio::executor_work_guard<asio::io_context::executor_type> work_;
    std::thread thread_;
};

class WebServer::Impl::Session : public std::enable_shared_from_this<Session> {
public:
    Session(Impl& server, tcp::socket socket)
        : server_(server), socket_(std::move(socket)), timer_(server.io_)
    {
        server_.sessions_.insert(this);
        server_.connections_.store(server_.sessions_.size(), std::memory_order_relaxed);
    }

    ~Session()
    {
        server_.sessions_.erase(this);
        server_.listeners_.erase(this);
        server_.connections_.store(server_.sessions_.size(), std::memory_order_relaxed);
    }

    void Begin()
    {
        ErrorCode ignored;
        socket_.set_option(tcp::no_delay(true), ignored);
        Arm(server_.options_.headTimeout);
        Read();
    }

    void Close()
    {
        if (closed_) {
            return;
        }
        closed_ = true;
        server_.listeners_.erase(this);
        ErrorCode ignored;
        socket_.shutdown(tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
        timer_.cancel();
    }

    // An event stream's next event; replaces one still waiting behind a slow write.
    void Send(std::shared_ptr<const std::string> text)
    {
        if (writing_) {
            waiting_ = std::move(text);
            return;
        }
        StreamWrite(std::move(text));
    }

    [[nodiscard]] bool Writing() const { return writing_; }

private:
    // Closes the connection when `limit` passes before the next Arm or Disarm.
    void Arm(std::chrono::milliseconds limit)
    {
        if (closed_) {
            return;  // a closed session's timer would only keep it, and the server's thread, alive
        }
        timer_.expires_after(limit);
        timer_.async_wait([self = shared_from_this()](const ErrorCode& error) {
            if (!error) {
                self->Close();
            }
        });
    }

    void Read()
    {
        socket_.async_read_some(asio::buffer(chunk_),
                                [self = shared_from_this()](const ErrorCode& error, std::size_t size) {
                                    if (error || self->closed_) {
                                        self->Close();
                                        return;
                                    }
                                    const bool first = self->buffer_.empty();
                                    self->buffer_.append(self->chunk_.data(), size);
                                    if (first) {
                                        // The head's clock starts with its first byte.
                                        self->Arm(self->server_.options_.headTimeout);
                                    }
                                    self->Handle();
                                });
    }

    void Handle()
    {
        const ParsedHead head = ParseRequestHead(buffer_);
        switch (head.outcome) {
            case HeadOutcome::NeedMore:
                Read();
                return;
            case HeadOutcome::Complete:
                break;
            default:
                Reply(RefusalBytes(head.outcome), false);
                return;
        }
        buffer_.erase(0, head.consumed);
        const WebResponse response = Respond(head.request, server_.state_, server_.cards_);
        const bool withBody = head.request.method != "HEAD";
        if (response.kind == WebResponse::Kind::EventStream && withBody) {
            Stream(response, head.request);
            return;
        }
        const bool keepAlive = head.request.keepAlive && response.kind == WebResponse::Kind::Plain;
        Reply(ResponseBytes(response, withBody, keepAlive), keepAlive);
    }

    void Reply(std::string bytes, bool keepAlive)
    {
        reply_ = std::move(bytes);
        Arm(server_.options_.writeTimeout);
        asio::async_write(socket_, asio::buffer(reply_),
                          [self = shared_from_this(), keepAlive](const ErrorCode& error, std::size_t) {
                              if (error || !keepAlive) {
                                  self->Close();
                                  return;
                              }
                              self->Next();
                          });
    }

    void Next()
    {
        if (!buffer_.empty()) {
            Arm(server_.options_.headTimeout);
            Handle();
            return;
        }
        Arm(server_.options_.idleTimeout);
        Read();
    }

    void Stream(const WebResponse& response, const WebRequest& request)
    {
        server_.listeners_.insert(this);
        std::string first = ResponseBytes(response, true, true);
        // The browser retries after three seconds unless told otherwise; a phone that lost the
        // Wi-Fi comes back sooner.
        first += "retry: 1500\n\n";
        if (const std::optional<std::string> missed = CatchUpEvent(request.lastEventId, server_.state_)) {
            first += *missed;
        }
        timer_.cancel();
        StreamWrite(std::make_shared<const std::string>(std::move(first)));
        Drain();
    }

    // Nothing more is expected from an event stream's client; reading notices when it leaves.
    void Drain()
    {
        socket_.async_read_some(asio::buffer(chunk_),
                                [self = shared_from_this()](const ErrorCode& error, std::size_t) {
                                    if (error || self->closed_) {
                                        self->Close();
                                        return;
                                    }
                                    self->Drain();
                                });
    }

    void StreamWrite(std::shared_ptr<const std::string> text)
    {
        if (closed_) {
            return;
        }
        writing_ = true;
        inFlight_ = std::move(text);
        Arm(server_.options_.writeTimeout);
        asio::async_write(socket_, asio::buffer(*inFlight_),
                          [self = shared_from_this()](const ErrorCode& error, std::size_t) {
                              self->writing_ = false;
                              self->inFlight_.reset();
                              if (error || self->closed_) {
                                  self->Close();
                                  return;
                              }
                              self->timer_.cancel();
                              if (self->waiting_) {
                                  self->StreamWrite(std::move(self->waiting_));
                                  self->waiting_.reset();
                              }
                          });
    }

    Impl& server_;
    tcp::socket socket_;
    asio::steady_timer timer_;
    std::array<char, 4096> chunk_{};
    std::string buffer_;
    std::string reply_;
    std::shared_ptr<const std::string> inFlight_;
    std::shared_ptr<const std::string> waiting_;
    bool writing_ = false;
    bool closed_ = false;
};

void WebServer::Impl::CloseSession(Session& session)
{
    session.Close();
}

void WebServer::Impl::Accept()
{
    acceptor_.async_accept([this](const ErrorCode& error, tcp::socket socket) {
        if (error == asio::error::operation_aborted || !acceptor_.is_open()) {
            return;
        }
        if (error) {
            // Out of sockets for a moment: try again shortly instead of spinning.
            retryTimer_.expires_after(std::chrono::milliseconds(100));
            retryTimer_.async_wait([this](const ErrorCode& waited) {
                if (!waited) {
                    Accept();
                }
            });
            return;
        }
        if (sessions_.size() >= options_.maxConnections) {
            // Refused at once; the connections already open go on undisturbed.
            ErrorCode ignored;
            socket.close(ignored);
        } else {
            std::make_shared<Session>(*this, std::move(socket))->Begin();
        }
        Accept();
    });
}

void WebServer::Impl::Ping()
{
    pingTimer_.expires_after(options_.pingInterval);
    pingTimer_.async_wait([this](const ErrorCode& error) {
        if (error) {
            return;
        }
        const auto ping = std::make_shared<const std::string>(kPing);
        const std::vector<Session*> open(listeners_.begin(), listeners_.end());
        for (Session* session : open) {
            if (!session->Writing()) {
                session->Send(ping);
            }
        }
        Ping();
    });
}

void WebServer::Impl::Deliver(const WebState& state)
{
    const bool news = !SameForPlayers(state_, state);
    state_ = state;
    if (!news) {
        return;  // a rolling candidate: phones show settled numbers only
    }
    const auto event = std::make_shared<const std::string>(StateEvent(state));
    const std::vector<Session*> open(listeners_.begin(), listeners_.end());
    for (Session* session : open) {
        session->Send(event);
    }
}

WebServer::WebServer(WebServerOptions options, const CardLookup* cards)
    : options_(std::move(options)), cards_(cards)
{
}

WebServer::~WebServer()
{
    Stop();
}

std::optional<std::uint16_t> WebServer::Start(WebState state)
{
    if (impl_) {
        return port_;
    }
    AllowManyConnections();
    auto impl = std::make_unique<Impl>(options_, cards_, std::move(state));
    const std::optional<std::uint16_t> port = impl->Listen();
    if (!port) {
        return std::nullopt;
    }
    impl->Run();
    impl_ = std::move(impl);
    port_ = *port;
    return port;
}

void WebServer::Stop()
{
    if (impl_) {
        impl_->Stop();
        impl_.reset();
    }
}

void WebServer::Publish(WebState state)
{
    if (impl_) {
        impl_->Publish(std::move(state));
    }
}

std::size_t WebServer::Connections() const
{
    return impl_ ? impl_->Connections() : 0;
}

std::string LocalNetworkAddress()
{
    // Connecting a datagram socket sends nothing; it only asks the system which of its
    // addresses faces the network.
    asio::io_context io;
    asio::ip::udp::socket probe(io);
    ErrorCode error;
    probe.connect(asio::ip::udp::endpoint(asio::ip::make_address_v4("192.0.2.1"), 9), error);
    if (!error) {
        const asio::ip::udp::endpoint local = probe.local_endpoint(error);
        if (!error && !local.address().is_unspecified()) {
            return local.address().to_string();
        }
    }
    return "127.0.0.1";
}

}  // namespace palvo

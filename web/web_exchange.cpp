#include "web/web_exchange.h"

// GCC's sanitizer builds see an uninitialised optional inside Beast's parser that is not there.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/beast/core/error.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/parser.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#include <charconv>

#include "web/web_pages.h"

namespace palvo {

namespace http = boost::beast::http;

namespace {

constexpr std::size_t kCardCodeLimit = 32;

bool IsCardCode(std::string_view code)
{
    if (code.empty() || code.size() > kCardCodeLimit) {
        return false;
    }
    for (const char c : code) {
        const bool allowed =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

WebResponse Text(std::int32_t status, std::string_view body)
{
    WebResponse response;
    response.status = status;
    response.contentType = "text/plain; charset=utf-8";
    response.body = std::string(body) + "\n";
    return response;
}

WebResponse Fixed(std::string_view contentType, std::string_view body)
{
    WebResponse response;
    response.contentType = std::string(contentType);
    response.body = std::string(body);
    response.cacheable = true;
    return response;
}

WebResponse Json(std::string body)
{
    WebResponse response;
    response.contentType = "application/json";
    response.body = std::move(body);
    return response;
}

std::string_view Reason(std::int32_t status)
{
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 413:
            return "Content Too Large";
        case 414:
            return "URI Too Long";
        case 431:
            return "Request Header Fields Too Large";
        default:
            return "Error";
    }
}

}  // namespace

ParsedHead ParseRequestHead(std::string_view bytes)
{
    ParsedHead result;
    http::request_parser<http::empty_body> parser;
    parser.header_limit(static_cast<std::uint32_t>(kWebHeadLimit));
    parser.eager(false);
    boost::beast::error_code error;
    const std::size_t used = parser.put(boost::asio::buffer(bytes.data(), bytes.size()), error);
    if (error == http::error::need_more) {
        result.outcome = bytes.size() >= kWebHeadLimit ? HeadOutcome::TooLarge : HeadOutcome::NeedMore;
        return result;
    }
    if (error == http::error::header_limit) {
        result.outcome = HeadOutcome::TooLarge;
        return result;
    }
    if (error || !parser.is_header_done()) {
        result.outcome = HeadOutcome::Malformed;
        return result;
    }
    if (parser.chunked() || (parser.content_length() && *parser.content_length() > 0)) {
        result.outcome = HeadOutcome::HasBody;
        return result;
    }
    const auto& head = parser.get();
    result.outcome = HeadOutcome::Complete;
    result.consumed = used;
    result.request.method = std::string(head.method_string());
    result.request.target = std::string(head.target());
    result.request.keepAlive = head.keep_alive();
    if (const auto found = head.find("Last-Event-ID"); found != head.end()) {
        result.request.lastEventId = std::string(found->value());
    }
    return result;
}

WebResponse Respond(const WebRequest& request, const WebState& state, const CardLookup* cards)
{
    if (request.target.size() > kWebTargetLimit) {
        return Text(414, "Too long");
    }
    // A query is allowed (a streaming program may add one) and ignored; the path is compared as
    // sent, so "%2e%2e" or "/./state" are simply unknown.
    const std::string_view target = request.target;
    const std::string_view path = target.substr(0, target.find('?'));

    WebResponse found;
    if (path == "/") {
        found = Fixed("text/html; charset=utf-8", PlayerPage());
    } else if (path == "/overlay") {
        found = Fixed("text/html; charset=utf-8", OverlayPage());
    } else if (path == "/palvo.js") {
        found = Fixed("text/javascript; charset=utf-8", PlayerScript());
    } else if (path == "/overlay.js") {
        found = Fixed("text/javascript; charset=utf-8", OverlayScript());
    } else if (path == "/palvo.css") {
        found = Fixed("text/css; charset=utf-8", StyleSheet());
    } else if (path == "/favicon.svg") {
        found = Fixed("image/svg+xml", Icon());
    } else if (path == "/state") {
        found = Json(StateJson(state));
    } else if (path == "/events") {
        found.kind = WebResponse::Kind::EventStream;
        found.contentType = "text/event-stream; charset=utf-8";
    } else if (path.starts_with("/card/")) {
        const std::string_view code = path.substr(6);
        std::optional<PlayerCard> card;
        if (cards != nullptr && IsCardCode(code)) {
            card = cards->Find(code);
        }
        if (!card) {
            return Text(404, "Not found");
        }
        found = Json(CardJson(*card));
    } else {
        return Text(404, "Not found");
    }
    if (request.method != "GET" && request.method != "HEAD") {
        WebResponse refused = Text(405, "Method not allowed");
        refused.allow = "GET, HEAD";
        return refused;
    }
    return found;
}

std::string ResponseBytes(const WebResponse& response, bool withBody, bool keepAlive)
{
    std::string out =
        "HTTP/1.1 " + std::to_string(response.status) + " " + std::string(Reason(response.status));
    out += "\r\nServer: Palvo\r\nContent-Type: " + response.contentType;
    // The pages load their script and style from this service only, and nothing else at all.
    out +=
        "\r\nContent-Security-Policy: default-src 'none'; script-src 'self'; style-src 'self'; "
        "connect-src 'self'; img-src 'self'; base-uri 'none'; form-action 'none'";
    out += "\r\nX-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer";
    out += response.cacheable ? "\r\nCache-Control: public, max-age=60" : "\r\nCache-Control: no-store";
    if (!response.allow.empty()) {
        out += "\r\nAllow: " + response.allow;
    }
    if (response.kind == WebResponse::Kind::EventStream) {
        // Proxies must not hold events back.
        out += "\r\nX-Accel-Buffering: no\r\nConnection: keep-alive\r\n\r\n";
        return out;
    }
    out += "\r\nContent-Length: " + std::to_string(response.body.size());
    out += keepAlive ? "\r\nConnection: keep-alive\r\n\r\n" : "\r\nConnection: close\r\n\r\n";
    if (withBody) {
        out += response.body;
    }
    return out;
}

std::string RefusalBytes(HeadOutcome outcome)
{
    WebResponse response;
    switch (outcome) {
        case HeadOutcome::TooLarge:
            response = Text(431, "Too large");
            break;
        case HeadOutcome::HasBody:
            response = Text(413, "No body expected");
            break;
        default:
            response = Text(400, "Bad request");
            break;
    }
    return ResponseBytes(response, true, false);
}

std::optional<std::string> CatchUpEvent(const std::optional<std::string>& lastEventId, const WebState& state)
{
    if (lastEventId) {
        std::uint64_t seen = 0;
        const char* first = lastEventId->data();
        const char* last = first + lastEventId->size();
        const auto [end, error] = std::from_chars(first, last, seen);
        if (error == std::errc() && end == last && seen == state.seq) {
            return std::nullopt;
        }
    }
    return StateEvent(state);
}

}  // namespace palvo

#include "web/web_exchange.h"

#include <gtest/gtest.h>

#include <map>

#include "web/state_json.h"

namespace palvo {
namespace {

// The web's seq (17) differs from the game's own (5): the phones read the web's.
WebState ThreeCalled(bool columns = false)
{
    auto game = std::make_shared<GameState>();
    game->game = 4;
    game->seq = 5;
    game->numMax = 72;
    game->called = {7, 65, 23};
    return WebState{game, columns, 17};
}

class FakeCards final : public CardLookup {
public:
    std::optional<PlayerCard> Find(std::string_view code) const override
    {
        ++asked;
        if (code != "AB-12") {
            return std::nullopt;
        }
        return PlayerCard{"AB-12", 2, 2, {3, std::nullopt, 40, 72}};
    }
    mutable int asked = 0;
};

// The head of an answer, split into the status and its header fields.
struct Answer {
    int status = 0;
    std::map<std::string, std::string> fields;
    std::string body;
};

Answer ReadAnswer(const std::string& bytes)
{
    Answer answer;
    const std::size_t end = bytes.find("\r\n\r\n");
    EXPECT_NE(end, std::string::npos);
    answer.body = bytes.substr(end + 4);
    std::size_t line = bytes.find("\r\n");
    answer.status = std::stoi(bytes.substr(9, 3));
    while (line < end) {
        const std::size_t next = bytes.find("\r\n", line + 2);
        const std::string field = bytes.substr(line + 2, next - line - 2);
        const std::size_t colon = field.find(": ");
        answer.fields[field.substr(0, colon)] = field.substr(colon + 2);
        line = next;
    }
    return answer;
}

TEST(StateJson, CarriesEveryFieldOfTheContract)
{
    EXPECT_EQ(
        StateJson(ThreeCalled()),
        R"({"game":4,"seq":17,"numMax":72,"called":[7,65,23],"newest":23,"count":3,"over":false,"columns":false})");
    auto fresh = std::make_shared<GameState>();
    fresh->numMax = 75;
    fresh->over = true;
    fresh->rolling = 12;  // a roll in progress is not a settled number
    EXPECT_EQ(
        StateJson(WebState{fresh, true, 0}),
        R"({"game":0,"seq":0,"numMax":75,"called":[],"newest":null,"count":0,"over":true,"columns":true})");
    EXPECT_EQ(StateEvent(ThreeCalled(true)), "id: 17\ndata: " + StateJson(ThreeCalled(true)) + "\n\n");
}

TEST(StateJson, PlayersSeeAChangeOnlyWhenSomethingTheyReadChanged)
{
    const WebState base = ThreeCalled();
    const auto changedGame = [&base](auto change) {
        auto game = std::make_shared<GameState>(*base.game);
        change(*game);
        return WebState{game, base.columns, base.seq + 1};
    };
    EXPECT_TRUE(SameForPlayers(base, changedGame([](GameState& game) {
                                   game.seq += 1;
                                   game.rolling = 9;
                               })));
    const WebState changed[] = {
        changedGame([](GameState& game) { game.game += 1; }),
        changedGame([](GameState& game) { game.numMax = 75; }),
        changedGame([](GameState& game) { game.called.push_back(9); }),
        changedGame([](GameState& game) { game.over = true; }),
        ThreeCalled(true),  // the hall switched its board's layout
    };
    for (const WebState& other : changed) {
        EXPECT_FALSE(SameForPlayers(base, other)) << StateJson(other);
    }
}

TEST(StateJson, CardCodesAreEscaped)
{
    const PlayerCard card{"a\"<b>\\", 1, 2, {5, std::nullopt}};
    EXPECT_EQ(CardJson(card), R"({"code":"a\"\u003cb\u003e\\","columns":1,"rows":2,"cells":[5,null]})");
}

struct RouteCase {
    std::string method;
    std::string target;
    int status;
    std::string contentType;  // "" where the status says enough
};

class Routes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(Routes, AnswerOnlyTheirOwnPathsAndMethods)
{
    const RouteCase& c = GetParam();
    FakeCards cards;
    WebRequest request{c.method, c.target, std::nullopt, true};
    const WebResponse response = Respond(request, ThreeCalled(), &cards);
    EXPECT_EQ(response.status, c.status);
    if (!c.contentType.empty()) {
        EXPECT_EQ(response.contentType.substr(0, c.contentType.size()), c.contentType);
    }
    if (c.status == 405) {
        EXPECT_EQ(response.allow, "GET, HEAD");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Routes,
    ::testing::Values(
        RouteCase{"GET", "/", 200, "text/html"}, RouteCase{"HEAD", "/", 200, "text/html"},
        RouteCase{"GET", "/overlay", 200, "text/html"}, RouteCase{"GET", "/state", 200, "application/json"},
        RouteCase{"GET", "/state?cache=1", 200, "application/json"},
        RouteCase{"GET", "/events", 200, "text/event-stream"},
        RouteCase{"GET", "/palvo.js", 200, "text/javascript"},
        RouteCase{"GET", "/overlay.js", 200, "text/javascript"},
        RouteCase{"GET", "/palvo.css", 200, "text/css"},
        RouteCase{"GET", "/favicon.svg", 200, "image/svg+xml"}, RouteCase{"GET", "/favicon.ico", 404, ""},
        RouteCase{"GET", "/card/AB-12", 200, "application/json"}, RouteCase{"GET", "/card/ab-12", 404, ""},
        RouteCase{"GET", "/card/", 404, ""}, RouteCase{"GET", "/card/AB-12/..", 404, ""},
        RouteCase{"GET", "/card/..%2fAB-12", 404, ""}, RouteCase{"POST", "/state", 405, ""},
        RouteCase{"PUT", "/", 405, ""}, RouteCase{"DELETE", "/events", 405, ""},
        RouteCase{"OPTIONS", "/overlay", 405, ""}, RouteCase{"POST", "/nothing", 404, ""},
        RouteCase{"GET", "/index.html", 404, ""}, RouteCase{"GET", "/../etc/passwd", 404, ""},
        RouteCase{"GET", "/%2e%2e/etc/passwd", 404, ""}, RouteCase{"GET", "/st%61te", 404, ""},
        RouteCase{"GET", "//state", 404, ""}, RouteCase{"GET", "/./state", 404, ""},
        RouteCase{"GET", "/state/", 404, ""}, RouteCase{"GET", "/STATE", 404, ""},
        RouteCase{"GET", "http://host/state", 404, ""}, RouteCase{"GET", "*", 404, ""},
        RouteCase{"GET", "/palvo.js%00.txt", 404, ""},
        RouteCase{"GET", "/" + std::string(2000, 'a'), 414, ""}));

TEST(Routes, ACardIsLookedUpOnlyForAPlausibleCode)
{
    FakeCards cards;
    for (const std::string& target :
         std::vector<std::string>{"/card/a b", "/card/%41B", "/card/" + std::string(40, 'A'), "/card/x.y"}) {
        EXPECT_EQ(Respond(WebRequest{"GET", target, std::nullopt, true}, ThreeCalled(), &cards).status, 404);
    }
    EXPECT_EQ(cards.asked, 0);
    EXPECT_EQ(Respond(WebRequest{"GET", "/card/AB-12", std::nullopt, true}, ThreeCalled(), nullptr).status,
              404)
        << "without cards every code is unknown";
    EXPECT_EQ(Respond(WebRequest{"GET", "/card/AB-12", std::nullopt, true}, ThreeCalled(), &cards).body,
              R"({"code":"AB-12","columns":2,"rows":2,"cells":[3,null,40,72]})");
}

TEST(ResponseBytes, EveryAnswerCarriesTheSecurityHeadersAndTheStateIsNeverCached)
{
    FakeCards cards;
    for (const std::string target : {"/", "/state", "/nothing", "/card/AB-12", "/palvo.js"}) {
        const WebResponse response =
            Respond(WebRequest{"GET", target, std::nullopt, true}, ThreeCalled(), &cards);
        Answer answer = ReadAnswer(ResponseBytes(response, true, true));
        EXPECT_EQ(answer.status, response.status) << target;
        EXPECT_EQ(answer.fields["X-Content-Type-Options"], "nosniff") << target;
        EXPECT_NE(answer.fields["Content-Security-Policy"].find("default-src 'none'"), std::string::npos)
            << target;
        EXPECT_EQ(answer.fields["Content-Length"], std::to_string(response.body.size())) << target;
        EXPECT_EQ(answer.body, response.body) << target;
        EXPECT_EQ(answer.fields["Connection"], "keep-alive");
        const bool fixedFile = target == "/" || target == "/palvo.js";
        EXPECT_EQ(answer.fields["Cache-Control"], fixedFile ? "public, max-age=60" : "no-store") << target;
    }
    const WebResponse page = Respond(WebRequest{"HEAD", "/", std::nullopt, false}, ThreeCalled(), &cards);
    Answer head = ReadAnswer(ResponseBytes(page, false, false));
    EXPECT_TRUE(head.body.empty()) << "HEAD has no body";
    EXPECT_EQ(head.fields["Content-Length"], std::to_string(page.body.size()));
    EXPECT_EQ(head.fields["Connection"], "close");
}

TEST(ResponseBytes, ThePageLoadsNothingFromElsewhere)
{
    for (const std::string target : {"/", "/overlay"}) {
        const WebResponse page =
            Respond(WebRequest{"GET", target, std::nullopt, true}, ThreeCalled(), nullptr);
        EXPECT_EQ(page.body.find("http"), std::string::npos) << target;
        EXPECT_EQ(page.body.find("<script>"), std::string::npos) << "inline script is refused by the policy";
        EXPECT_EQ(page.body.find("style="), std::string::npos) << "inline style is refused by the policy";
    }
}

struct HeadCase {
    std::string bytes;
    HeadOutcome outcome;
};

class Heads : public ::testing::TestWithParam<HeadCase> {};

TEST_P(Heads, AreReadWithinTheLimits)
{
    EXPECT_EQ(ParseRequestHead(GetParam().bytes).outcome, GetParam().outcome)
        << GetParam().bytes.substr(0, 80);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Heads,
    ::testing::Values(
        HeadCase{"GET / HTTP/1.1\r\nHost: a\r\n\r\n", HeadOutcome::Complete},
        HeadCase{"GET / HTTP/1.0\r\n\r\n", HeadOutcome::Complete},
        HeadCase{"GET / HTTP/1.1\r\nHost: a\r\n", HeadOutcome::NeedMore},
        HeadCase{"GET /sta", HeadOutcome::NeedMore},
        HeadCase{"GET / HTTP/1.1\r\nX: " + std::string(10'000, 'x') + "\r\n\r\n", HeadOutcome::TooLarge},
        HeadCase{"GET /" + std::string(10'000, 'a') + " HTTP/1.1\r\n\r\n", HeadOutcome::TooLarge},
        HeadCase{"GET / HTTP/1.1\r\nX: " + std::string(10'000, 'x'), HeadOutcome::TooLarge},
        HeadCase{"POST /state HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello", HeadOutcome::HasBody},
        HeadCase{"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", HeadOutcome::HasBody},
        HeadCase{"GET / HTTP/9.9\r\n\r\n", HeadOutcome::Malformed},
        HeadCase{"\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", HeadOutcome::Malformed},
        HeadCase{"GET / HTTP/1.1\r\nBad Header\r\n\r\n", HeadOutcome::Malformed}));

TEST(Heads, KeepThePartsTheServiceUsesAndLeaveTheNextRequest)
{
    const std::string first = "GET /events HTTP/1.1\r\nHost: a\r\nLast-Event-ID: 12\r\n\r\n";
    const ParsedHead head = ParseRequestHead(first + "GET / HTTP/1.1\r\n\r\n");
    ASSERT_EQ(head.outcome, HeadOutcome::Complete);
    EXPECT_EQ(head.consumed, first.size());
    EXPECT_EQ(head.request.method, "GET");
    EXPECT_EQ(head.request.target, "/events");
    EXPECT_EQ(head.request.lastEventId, std::optional<std::string>("12"));
    EXPECT_TRUE(head.request.keepAlive);
    EXPECT_FALSE(ParseRequestHead("GET / HTTP/1.1\r\nConnection: close\r\n\r\n").request.keepAlive);
    EXPECT_FALSE(ParseRequestHead("GET / HTTP/1.0\r\n\r\n").request.keepAlive);
}

TEST(CatchUpEvent, ResumesWithTheStateUnlessTheClientHasIt)
{
    const WebState state = ThreeCalled();
    EXPECT_EQ(CatchUpEvent(std::nullopt, state), StateEvent(state)) << "a new client gets the state at once";
    EXPECT_EQ(CatchUpEvent(std::string("17"), state), std::nullopt) << "it has seen the newest event";
    // Older, the game's own seq, a larger one (another run's), not a number: the state each time.
    for (const std::string seen : {"16", "3", "5", "18", "1765000000017", "017x", "", " 17", "0x11", "-17",
                                   "99999999999999999999999"}) {
        EXPECT_EQ(CatchUpEvent(seen, state), StateEvent(state)) << seen;
    }
}

}  // namespace
}  // namespace palvo

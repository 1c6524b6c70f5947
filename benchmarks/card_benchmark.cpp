// Bingo cards: a page of four cards composed at 300 dpi against one plain fill of the same page
// buffer in the same run (the ratio is the figure to watch, aim at most 20), and a claim checked
// with its card view's data made (code read, card found among up to 10,000, verdict) and with the
// card view itself, aim under one frame (16 ms). The PDF of 1,000 cards is timed from the command line
// (scripts/card-pdf-time.sh).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "cards/card_page.h"
#include "cards/card_verdict.h"
#include "cards/card_view.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main()
{
    using namespace palvo;
    SipKey key{};
    key[3] = 77;
    const CardMaker maker(key);
    const std::vector<BingoCard> cards = maker.MakeSet(75, 0, kCardsPerPage);

    std::vector<double> fills;
    std::vector<double> pages;
    PixelBuffer buffer(kCardPageWidth, kCardPageHeight);
    for (int round = 0; round < 7; ++round) {
        const Clock::time_point fillStart = Clock::now();
        std::fill(buffer.Data(), buffer.Data() + buffer.Width() * buffer.Height(), Pixel{255, 255, 255, 0});
        fills.push_back(Milliseconds(Clock::now() - fillStart));
        const Clock::time_point pageStart = Clock::now();
        const PixelBuffer page = ComposeCardPage(cards);
        pages.push_back(Milliseconds(Clock::now() - pageStart));
        if (page.At(0, 0).red != 255 || buffer.At(1, 1).red != 255) {
            return 1;  // keeps both from being optimised away
        }
    }
    const double fill = Median(fills);
    const double page = Median(pages);
    std::printf(
        "card page (4 cards, 2480 x 3508): %.2f ms, plain fill of the same buffer: %.2f ms, ratio %.1f\n",
        page, fill, page / fill);

    GameState game;
    game.numMax = 75;
    for (std::int16_t number = 1; number <= 40; ++number) {
        game.called.push_back(static_cast<std::int16_t>(number * 7 % 75 + 1));
    }
    for (const int serial : {0, 999, 9999}) {
        const std::string code =
            CardCodeText({0, maker.Tag(75, 0, serial), static_cast<std::uint16_t>(serial)});
        std::vector<double> checks;
        for (int round = 0; round < 5; ++round) {
            const Clock::time_point start = Clock::now();
            const CardVerdict verdict = JudgeCard(maker.Find(code, 75), game);
            checks.push_back(Milliseconds(Clock::now() - start));
            if (verdict.kind == CardVerdict::Kind::Mistyped) {
                return 1;
            }
        }
        std::printf("check of card %04d (code read, card made, verdict): %.2f ms\n", serial, Median(checks));
    }

    // As the panel checks: the first code of a set with its card view, then other codes of the
    // same set, whose earlier cards the memo keeps.
    std::vector<double> firsts;
    std::vector<double> agains;
    for (int round = 0; round < 5; ++round) {
        CardSetMemo memo;
        for (const int serial : {9999, 9998}) {
            const std::string code =
                CardCodeText({0, maker.Tag(75, 0, serial), static_cast<std::uint16_t>(serial)});
            const Clock::time_point start = Clock::now();
            const CardVerdict verdict = JudgeCard(maker.Find(code, 75, memo), game);
            const PixelBuffer view = ComposeCardView(verdict, 200, 222, ColorTriple{0, 128, 255});
            (serial == 9999 ? firsts : agains).push_back(Milliseconds(Clock::now() - start));
            if (view.Empty()) {
                return 1;
            }
        }
    }
    std::printf(
        "check of card 9999 with its card view (200 x 222), first of its set: %.2f ms, "
        "card 9998 after it: %.2f ms\n",
        Median(firsts), Median(agains));
    return 0;
}

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/bingo_card.h"
#include "platform/entropy_source.h"
#include "platform/page_document.h"

namespace palvo {

// Printing cards from the command line, without a window:
//   palvo --cards 40 [--max 75] [--set K] (--csv cards.csv | --pdf cards.pdf)
struct CardPrintRequest {
    enum class Output { Csv, Pdf };
    int count = 0;
    std::optional<std::int16_t> numMax;  // the game's current highest number when left out
    int set = 0;
    Output output = Output::Csv;
    std::string path;  // UTF-8
};

struct CardCommandLine {
    enum class Kind { NotCards, Invalid, Request };
    Kind kind = Kind::NotCards;
    CardPrintRequest request;
    std::string problem;  // for Invalid: what the person reads
};

// Reads the arguments after the program's name; NotCards when --cards is not among them.
// A whole number written in plain digits (an optional '-' before them), the whole text and nothing
// else: how the card count and the highest number are read, on the command line and in the panel.
[[nodiscard]] std::optional<int> WholeNumber(std::string_view text);

[[nodiscard]] CardCommandLine ParseCardCommandLine(const std::vector<std::string>& arguments);

struct CardCommandResult {
    int exitCode = 0;
    std::string message;  // for standard error; empty on success
};

// The cards of one print order (the panel's 「カード印刷」, the command line), or what stops it.
struct CardPrintJob {
    std::string problem;  // what the operator reads; empty when `cards` are ready
    std::vector<BingoCard> cards;

    int PageCount() const;
    // Page `page` (0 ...) as the printer gets it.
    PixelBuffer Page(int page) const;
};

// The first `count` cards of `set` for `numMax` with the key in `settingsFolder` (made there on
// first use); a problem for a count outside 1 ... 10,000, a highest number that has no cards or a
// key that cannot be used.
[[nodiscard]] CardPrintJob PrepareCardPrint(int count, std::int16_t numMax, int set,
                                            const std::filesystem::path& settingsFolder,
                                            EntropySource& entropy);

// Makes the cards of `request` with the key in `settingsFolder` (made there on first use) and
// writes them as CSV, or as pages through `pdf` (nullptr where the platform writes no PDF).
[[nodiscard]] CardCommandResult RunCardCommand(const CardPrintRequest& request,
                                               const std::filesystem::path& settingsFolder,
                                               std::int16_t currentNumMax, EntropySource& entropy,
                                               PageDocumentWriter* pdf);

}  // namespace palvo

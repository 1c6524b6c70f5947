#include "cards/card_command.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <span>

#include "cards/bingo_card.h"
#include "cards/card_key.h"
#include "cards/card_page.h"
#include "platform/file_store.h"
#include "texts/japanese.h"

namespace palvo {

namespace {

CardCommandLine Invalid(std::string_view problem)
{
    CardCommandLine line;
    line.kind = CardCommandLine::Kind::Invalid;
    line.problem = std::string(problem);
    return line;
}

}  // namespace

std::optional<int> WholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

CardCommandLine ParseCardCommandLine(const std::vector<std::string>& arguments)
{
    CardCommandLine line;
    if (std::find(arguments.begin(), arguments.end(), "--cards") == arguments.end()) {
        return line;
    }
    bool haveOutput = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (i + 1 >= arguments.size()) {
            return Invalid(texts::kCardUsage);
        }
        const std::string& value = arguments[++i];
        if (name == "--cards") {
            const std::optional<int> count = WholeNumber(value);
            if (!count || *count < 1 || *count > CardCode::kSerials) {
                return Invalid(texts::kCardCountInvalid);
            }
            line.request.count = *count;
        } else if (name == "--max") {
            const std::optional<int> numMax = WholeNumber(value);
            if (!numMax || !ColumnRanges(static_cast<std::int16_t>(std::clamp(*numMax, 0, 1000)))) {
                return Invalid(texts::kCardNumMaxTooLow);
            }
            line.request.numMax = static_cast<std::int16_t>(*numMax);
        } else if (name == "--set") {
            const std::size_t at =
                value.size() == 1 ? CardCode::kAlphabet.find(
                                        static_cast<char>(std::toupper(static_cast<unsigned char>(value[0]))))
                                  : std::string_view::npos;
            if (at == std::string_view::npos) {
                return Invalid(texts::kCardUsage);
            }
            line.request.set = static_cast<int>(at);
        } else if (name == "--csv" || name == "--pdf") {
            if (haveOutput) {
                return Invalid(texts::kCardUsage);
            }
            haveOutput = true;
            line.request.output =
                name == "--csv" ? CardPrintRequest::Output::Csv : CardPrintRequest::Output::Pdf;
            line.request.path = value;
        } else {
            return Invalid(texts::kCardUsage);
        }
    }
    if (!haveOutput) {
        return Invalid(texts::kCardUsage);
    }
    line.kind = CardCommandLine::Kind::Request;
    return line;
}

int CardPrintJob::PageCount() const
{
    return static_cast<int>((cards.size() + kCardsPerPage - 1) / kCardsPerPage);
}

PixelBuffer CardPrintJob::Page(int page) const
{
    const std::size_t first = static_cast<std::size_t>(page) * kCardsPerPage;
    if (page < 0 || first >= cards.size()) {
        return {};
    }
    return ComposeCardPage(
        std::span(cards).subspan(first, std::min<std::size_t>(kCardsPerPage, cards.size() - first)));
}

CardPrintJob PrepareCardPrint(int count, std::int16_t numMax, int set,
                              const std::filesystem::path& settingsFolder, EntropySource& entropy)
{
    CardPrintJob job;
    if (count < 1 || count > CardCode::kSerials) {
        job.problem = texts::kCardCountInvalid;
        return job;
    }
    if (!ColumnRanges(numMax)) {
        job.problem = texts::kCardNumMaxTooLow;
        return job;
    }
    const CardKeyReading key = ReadOrCreateCardKey(settingsFolder, entropy);
    if (!key.Usable()) {
        job.problem = key.outcome == CardKeyReading::Outcome::Unreadable ? texts::kCardKeyUnreadable
                                                                         : texts::kCardKeyNotWritten;
        return job;
    }
    job.cards = CardMaker(key.key).MakeSet(numMax, set, count);
    return job;
}

CardCommandResult RunCardCommand(const CardPrintRequest& request, const std::filesystem::path& settingsFolder,
                                 std::int16_t currentNumMax, EntropySource& entropy, PageDocumentWriter* pdf)
{
    if (request.output == CardPrintRequest::Output::Pdf && pdf == nullptr) {
        return {1, std::string(texts::kCardUsage)};
    }
    const CardPrintJob job = PrepareCardPrint(request.count, request.numMax.value_or(currentNumMax),
                                              request.set, settingsFolder, entropy);
    if (!job.problem.empty()) {
        return {1, job.problem};
    }
    const std::vector<BingoCard>& cards = job.cards;
    bool written = false;
    if (request.output == CardPrintRequest::Output::Csv) {
        written = ReplaceFileBytes(request.path, CardsCsv(cards));
    } else {
        written = pdf->Write(request.path, job.PageCount(), [&job](int page) { return job.Page(page); });
    }
    if (!written) {
        return {1, std::string(texts::kCardFileNotWritten) + request.path};
    }
    return {};
}

}  // namespace palvo

#include "cards/claim_record.h"

#include "platform/durable_file.h"
#include "texts/japanese.h"

namespace palvo {

namespace {

// A typed text as one CSV field: line ends and control characters dropped, quotes doubled.
std::string Field(std::string_view text)
{
    std::string field = "\"";
    for (const char character : text.substr(0, 64)) {
        if (static_cast<unsigned char>(character) < 0x20) {
            continue;
        }
        if (character == '"') {
            field += '"';
        }
        field += character;
    }
    return field + "\"";
}

}  // namespace

std::string ClaimRecord::Row(std::string_view time, std::string_view typed, const CardVerdict& verdict)
{
    const std::string code = verdict.card ? CardCodeText(verdict.card->code) : Field(typed);
    return std::string(time) + "," + code + "," + std::string(VerdictWord(verdict)) + "," +
           std::to_string(verdict.calledCount);
}

bool ClaimRecord::Append(std::string_view time, std::string_view typed, const CardVerdict& verdict) const
{
    DurableAppendFile file = DurableAppendFile::Open(Path());
    if (!file.IsOpen()) {
        return false;
    }
    std::string bytes;
    if (file.SizeAtOpen() == 0) {
        bytes = "\xEF\xBB\xBF" + std::string(texts::kClaimsHeader) + "\r\n";
    } else if (const std::optional<std::string> tail = ReadFileTail(Path(), 1); tail && *tail != "\n") {
        bytes = "\r\n";  // a row cut short by a crash stays a row of its own
    }
    return file.Append(bytes + Row(time, typed, verdict) + "\r\n");
}

}  // namespace palvo

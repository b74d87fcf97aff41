#include "VnMessages.h"

#include "VnException.h"

#include <cstdio>
#include <memory>
#include <utility>

std::string VnMessageTable::Text(int entry) const
{
    if (entry < 0)
        return {};
    const auto i = static_cast<std::size_t>(entry);
    if (i < loaded_.size())
        return loaded_[i];
    if (i < builtIn_.size())
        return builtIn_[i];
    return {};
}

std::size_t VnMessageTable::Count() const
{
    return loaded_.size() > builtIn_.size() ? loaded_.size() : builtIn_.size();
}

void VnMessageTable::Replace(std::vector<std::string> lines)
{
    if (lines.empty())
        return;
    loaded_ = std::move(lines);
}

namespace {

constexpr int kLibraryUnknownEntry = 28;

// Library code of an SNMP++ result or a PDU error status.
int CodeOfResult(int result)
{
    if (result == 0 || result == -1401 || result == 1400)
        return kVnOk;
    if (result >= 1401 && result <= 1414)
        return 1100 - result;
    if (result >= -1418 && result <= -1402)
        return result + 1201;
    if (result >= 1 && result <= 18)
        return -100 - result;
    if (result >= -23 && result <= -1)
        return result - 400;
    return kVnErrUnknown;
}

// Message files keep the historical 1024-byte line buffer: a longer line
// arrives in pieces of 1023 characters, each piece its own message.
constexpr std::size_t kMaxPiece = 1023;

bool ReadPiece(std::FILE* file, std::string& piece)
{
    piece.clear();
    while (piece.size() < kMaxPiece) {
        const int c = std::getc(file);
        if (c == EOF)
            break;
        piece.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    return !piece.empty();
}

bool IsBlank(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    }
    return true;
}

// Cuts LF, CR LF, or a CR left at the end of a piece when the LF fell into
// the next one; the rest, blanks included, is the message.
void CutLineEnd(std::string& text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

void MapSnmpError(int result, int& code, std::string& text)
{
    code = CodeOfResult(result);
    text = VnErrorText(code);
}

std::string VnErrorText(int code)
{
    if (code == kVnOk)
        return VnLibraryMessages().Text(0);
    if (code <= -101 && code >= -118)
        return VnPduMessages().Text(-101 - code);
    if (code <= -201 && code >= -217)
        return VnSnmpV3Messages().Text(-201 - code);
    if (code <= -301 && code >= -314)
        return VnUsmMessages().Text(-301 - code);
    if (code <= -401 && code >= -423)
        return VnClassMessages().Text(-401 - code);
    if (code <= -500 && code >= -528)
        return VnLibraryMessages().Text(-500 - code);
    return VnLibraryMessages().Text(kLibraryUnknownEntry);
}

std::string VnStatusTemplate(int entry)
{
    return VnStatusMessages().Text(entry);
}

std::string VnCommonText(int entry)
{
    return VnCommonMessages().Text(entry);
}

bool LoadMessageTable(VnMessageTable& table, const std::string& fileName)
{
    // One pass into a growing list: nothing is sized ahead, so a file that
    // changes while it is read cannot overrun anything.
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "r"));
    if (!file)
        return false;
    std::vector<std::string> lines;
    std::string piece;
    while (ReadPiece(file.get(), piece)) {
        if (IsBlank(piece))
            continue;
        CutLineEnd(piece);
        lines.push_back(piece);
    }
    if (lines.empty())
        return false;
    table.Replace(std::move(lines));
    return true;
}

void VnLoadMessageFiles(const std::string& moduleFolder)
{
    for (const VnMessageFile& file : kVnMessageFiles)
        LoadMessageTable(file.table(), moduleFolder + file.fileName);
}

void VnRaise(int code)
{
    throw VnException(VnErrorText(code), code);
}

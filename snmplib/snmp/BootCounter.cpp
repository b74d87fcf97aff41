#include "BootCounter.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "SnmpSmi.h"
#include "VnText.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Hex(const OctetStr& bytes)
{
    return BytesToHex({bytes.data(), bytes.len()});
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (!IsSpace(c)) {
            word += c;
            continue;
        }
        if (!word.empty())
            words.push_back(word);
        word.clear();
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

bool ParseBoots(const std::string& text, int& boots)
{
    if (text.empty() || text.size() > 10)
        return false;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value > kMaxEngineBoots)
        return false;
    boots = static_cast<int>(value);
    return true;
}

// Every line of the file; false when it exists and cannot be read.
bool ReadLines(const std::string& fileName, std::vector<std::string>& lines, bool& missing)
{
    missing = false;
    File file(std::fopen(fileName.c_str(), "r"));
    if (!file) {
        missing = errno == ENOENT;
        return missing;
    }
    std::string line;
    int c;
    while ((c = std::fgetc(file.get())) != EOF) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    if (std::ferror(file.get()))
        return false;
    if (!line.empty())
        lines.push_back(line);
    return true;
}

}  // namespace

int getBootCounter(const std::string& fileName, const OctetStr& engineId, int& boots)
{
    boots = 0;
    std::vector<std::string> lines;
    bool missing = false;
    if (!ReadLines(fileName, lines, missing))
        return BootCounterResult::ReadError;
    if (missing)
        return BootCounterResult::FileMissing;
    const std::string id = Hex(engineId);
    for (const std::string& line : lines) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || !SameText(words[0], id))
            continue;
        if (words.size() != 2 || !ParseBoots(words[1], boots)) {
            boots = 0;
            return BootCounterResult::BadFormat;
        }
        return BootCounterResult::Ok;
    }
    return BootCounterResult::NoEntry;
}

int saveBootCounter(const std::string& fileName, const OctetStr& engineId, int boots)
{
    std::vector<std::string> lines;
    bool missing = false;
    if (!ReadLines(fileName, lines, missing))
        return BootCounterResult::ReadError;

    const std::string id = Hex(engineId);
    std::string text;
    for (const std::string& line : lines) {
        const std::vector<std::string> words = Words(line);
        if (words.empty() || SameText(words[0], id))
            continue;
        text += line + '\n';
    }
    const int stored = boots < 0 ? 0 : boots;
    text += id + ' ' + std::to_string(stored) + '\n';

    const std::string fresh = fileName + ".new";
    {
        File file(std::fopen(fresh.c_str(), "w"));
        if (!file)
            return BootCounterResult::WriteError;
        const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
        if (!written || std::fflush(file.get()) != 0) {
            file.reset();
            std::remove(fresh.c_str());
            return BootCounterResult::WriteError;
        }
    }
    if (std::rename(fresh.c_str(), fileName.c_str()) != 0) {
        std::remove(fresh.c_str());
        return BootCounterResult::WriteError;
    }
    return BootCounterResult::Ok;
}

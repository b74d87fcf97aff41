#include "SimFileSystem.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <ctime>
#include <sstream>

namespace {

// Enterprise file-system group and its objects.
const SimOid kBase{1, 3, 6, 1, 4, 1, 88406, 12, 14};

SimOid Under(std::initializer_list<std::uint32_t> tail)
{
    SimOid oid = kBase;
    oid.insert(oid.end(), tail);
    return oid;
}

const SimOid kStatus = Under({1, 1, 0});
const SimOid kProcess = Under({1, 2, 0});
const SimOid kControl = Under({1});
const SimOid kMediaTable = Under({2, 1});
const SimOid kFormatDrive = Under({2, 2, 1, 0});
const SimOid kFormatFat = Under({2, 2, 2, 0});
const SimOid kFormatLabel = Under({2, 2, 3, 0});
const SimOid kFormatType = Under({2, 2, 4, 0});
const SimOid kFormatActivity = Under({2, 2, 5, 0});
const SimOid kMake = Under({3, 1, 0});
const SimOid kRemove = Under({3, 2, 0});
const SimOid kPath = Under({3, 3, 1, 0});
const SimOid kListing = Under({3, 3, 2});
const SimOid kRenameSource = Under({4, 1, 1, 0});
const SimOid kRenameTarget = Under({4, 1, 2, 0});
const SimOid kRenameActivity = Under({4, 1, 3, 0});
const SimOid kDeleteFile = Under({4, 2, 1, 0});
const SimOid kCopySource = Under({5, 1, 0});
const SimOid kCopyTarget = Under({5, 2, 0});
const SimOid kCopyActivity = Under({5, 3, 0});

constexpr int kStart = 2;  // activity "start"

enum Status {
    kFinish = 2,
    kInProcess = 3,
    kInvalidDrive = 5,
    kSameFileName = 6,
    kInsufficientDisk = 8,
    kInvalidDirectory = 9,
    kReadOnly = 10,
    kSameDirectory = 11,
    kNotEmpty = 12,
    kNoFileOrDir = 13,
    kErrorInput = 17,
    kErrorChar = 18,
    kErrorFileName = 19,
};

SimValue Text(const std::string& text)
{
    SimValue value;
    value.type = SimType::OctetString;
    value.bytes = text;
    return value;
}

SimValue Number(std::int64_t number)
{
    SimValue value;
    value.type = SimType::Integer;
    value.number = number;
    return value;
}

std::string TextOf(const SimStore& store, const SimOid& oid)
{
    const SimValue* value = store.Find(oid);
    return value ? value->bytes : std::string();
}

std::int64_t NumberOf(const SimStore& store, const SimOid& oid)
{
    const SimValue* value = store.Find(oid);
    return value ? value->number : 0;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool SameName(const std::string& a, const std::string& b)
{
    return Lower(a) == Lower(b);
}

bool NameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-';
}

std::string Now()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

bool ParseInt(const std::string& text, long& value)
{
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty();
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

SimFileSystem::Node* Child(const SimFileSystem::Node& parent, const std::string& name)
{
    for (const auto& child : parent.children) {
        if (SameName(child->name, name))
            return child.get();
    }
    return nullptr;
}

std::unique_ptr<SimFileSystem::Node> CopyOf(const SimFileSystem::Node& node)
{
    auto copy = std::make_unique<SimFileSystem::Node>();
    copy->name = node.name;
    copy->directory = node.directory;
    copy->size = node.size;
    copy->time = Now();
    return copy;
}

}  // namespace

void SimFileSystem::Enable(SimStore& store)
{
    if (enabled_)
        return;
    enabled_ = true;
    root_.time = Now();
    store.DeclareAccess(kControl, SimStore::Access::ReadOnly);
    store.DeclareAccess(kMediaTable, SimStore::Access::ReadOnly);
    store.DeclareAccess(kListing, SimStore::Access::ReadOnly);
    SetStatus(store, kFinish, 100);
    for (const auto& oid : {kMake, kRemove, kRenameSource, kRenameTarget, kDeleteFile, kCopySource, kCopyTarget})
        store.Put(oid, Text(""));
    store.Put(kPath, Text("C:\\"));
    store.Put(kRenameActivity, Number(1));
    store.Put(kCopyActivity, Number(1));
    store.Put(kFormatDrive, Number(3));
    store.Put(kFormatFat, Number(1));
    store.Put(kFormatLabel, Text("FLASH"));
    store.Put(kFormatType, Number(1));
    store.Put(kFormatActivity, Number(1));
    PublishMedia(store);
    PublishListing(store);
}

bool SimFileSystem::ParseLine(const std::string& keyword, const std::string& rest, SimStore& store,
                              std::string& error)
{
    if (keyword == "filesystem") {
        Enable(store);
        return true;
    }
    if (!enabled_) {
        error = keyword + " needs the filesystem directive first";
        return false;
    }
    auto args = Words(rest);
    long number = 0;
    if (keyword == "fs-dir" || keyword == "fs-file") {
        const bool directory = keyword == "fs-dir";
        long size = 0;
        const bool readOnly = !directory && args.size() == 3 && args[2] == "ro";
        if (args.empty() || (directory && args.size() != 1) ||
            (!directory && (args.size() < 2 || args.size() > 3 || !ParseInt(args[1], size) || size < 0 ||
                            (args.size() == 3 && !readOnly)))) {
            error = directory ? "fs-dir needs PATH" : "fs-file needs PATH SIZE [ro]";
            return false;
        }
        if (int status = AddEntry(args[0], directory, static_cast<std::uint32_t>(size), readOnly);
            status != kFinish) {
            error = "cannot add " + args[0] + " (status " + std::to_string(status) + ")";
            return false;
        }
        PublishListing(store);
        return true;
    }
    if (keyword == "fs-hold" || keyword == "fs-status") {
        if (args.size() != 1 || !ParseInt(args[0], number) || number < 0 || number > 20) {
            error = keyword + " needs a status 0 to 20";
            return false;
        }
        if (keyword == "fs-hold")
            hold_ = static_cast<int>(number);
        else
            SetStatus(store, static_cast<int>(number), static_cast<int>(NumberOf(store, kProcess)));
        return true;
    }
    if (keyword == "fs-format") {
        std::vector<int> steps;
        bool good = !args.empty() && ParseInt(args[0], number) && number >= 1;
        for (std::size_t i = 1; good && i < args.size(); ++i) {
            long step = 0;
            good = ParseInt(args[i], step) && step >= 0 && step < 100;
            steps.push_back(static_cast<int>(step));
        }
        if (!good) {
            error = "fs-format needs READS [PROCESS...]";
            return false;
        }
        formatReads_ = static_cast<int>(number);
        if (!steps.empty())
            formatSteps_ = steps;
        return true;
    }
    error = "unknown directive " + keyword;
    return false;
}

void SimFileSystem::AfterSet(const std::vector<SimVarbind>& varbinds, SimStore& store)
{
    if (!enabled_)
        return;
    auto sent = [&varbinds](const SimOid& oid) {
        return std::any_of(varbinds.begin(), varbinds.end(), [&oid](const SimVarbind& vb) { return vb.oid == oid; });
    };
    auto started = [&](const SimOid& activity) { return sent(activity) && NumberOf(store, activity) == kStart; };

    enum class Op { None, Make, Remove, Path, Rename, Delete, Copy, Format } op = Op::None;
    if (sent(kMake))
        op = Op::Make;
    else if (sent(kRemove))
        op = Op::Remove;
    else if (sent(kPath))
        op = Op::Path;
    else if (started(kRenameActivity))
        op = Op::Rename;
    else if (sent(kDeleteFile))
        op = Op::Delete;
    else if (started(kCopyActivity))
        op = Op::Copy;
    else if (started(kFormatActivity))
        op = Op::Format;
    if (op == Op::None)
        return;
    if (hold_ != 0) {
        SetStatus(store, hold_, 0);
        hold_ = 0;
        return;
    }
    int status = kFinish;
    switch (op) {
    case Op::Make:
        status = MakeDirectory(TextOf(store, kMake));
        break;
    case Op::Remove:
        status = DeleteDirectory(TextOf(store, kRemove));
        break;
    case Op::Path:
        status = SetListed(TextOf(store, kPath));
        break;
    case Op::Rename:
        status = RenameFile(TextOf(store, kRenameSource), TextOf(store, kRenameTarget));
        break;
    case Op::Delete:
        status = DeleteFile(TextOf(store, kDeleteFile));
        break;
    case Op::Copy:
        status = CopyFile(TextOf(store, kCopySource), TextOf(store, kCopyTarget));
        break;
    case Op::Format:
        StartFormat(store);
        return;
    case Op::None:
        break;
    }
    SetStatus(store, status, status == kFinish ? 100 : 0);
    PublishListing(store);
}

void SimFileSystem::BeforeGet(const SimOid& oid, SimStore& store)
{
    if (!enabled_ || formatRead_ < 0 || oid != kStatus)
        return;
    ++formatRead_;
    if (formatRead_ < formatReads_) {
        const auto step = static_cast<std::size_t>(formatRead_ - 1);
        SetStatus(store, kInProcess, formatSteps_[std::min(step, formatSteps_.size() - 1)]);
        return;
    }
    formatRead_ = -1;
    root_.children.clear();
    listed_.clear();
    store.Put(Under({2, 1, 1, 5, 1}), Text(TextOf(store, kFormatLabel)));
    SetStatus(store, kFinish, 100);
    PublishListing(store);
}

void SimFileSystem::StartFormat(SimStore& store)
{
    formatRead_ = 0;
    SetStatus(store, kInProcess, 0);
}

int SimFileSystem::SplitPath(const std::string& path, std::vector<std::string>& parts) const
{
    parts.clear();
    if (path.size() < 2 || path[1] != ':')
        return kErrorInput;
    if (std::tolower(static_cast<unsigned char>(path[0])) != 'c')
        return kInvalidDrive;
    if (path.size() == 2)
        return kFinish;
    if (path[2] != '\\')
        return kErrorInput;
    std::string part;
    for (std::size_t i = 3; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            // Only the last part may be empty: a trailing backslash.
            if (part.empty() && i != path.size())
                return kErrorInput;
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else if (!NameChar(path[i])) {
            return kErrorChar;
        } else {
            part += path[i];
        }
    }
    return kFinish;
}

SimFileSystem::Node* SimFileSystem::Find(const std::vector<std::string>& parts) const
{
    auto* node = const_cast<Node*>(&root_);
    for (const auto& part : parts) {
        if (!node->directory)
            return nullptr;
        node = Child(*node, part);
        if (!node)
            return nullptr;
    }
    return node;
}

int SimFileSystem::MakeDirectory(const std::string& path)
{
    std::vector<std::string> parts;
    if (int status = SplitPath(path, parts); status != kFinish)
        return status;
    if (parts.empty())
        return kSameDirectory;  // the root is there
    return AddEntry(path, true, 0, false);
}

int SimFileSystem::AddEntry(const std::string& path, bool directory, std::uint32_t size, bool readOnly)
{
    std::vector<std::string> parts;
    if (int status = SplitPath(path, parts); status != kFinish)
        return status;
    if (parts.empty())
        return kErrorInput;
    const std::string name = parts.back();
    parts.pop_back();
    Node* parent = Find(parts);
    if (!parent)
        return kNoFileOrDir;
    if (!parent->directory)
        return kInvalidDirectory;
    if (Child(*parent, name))
        return directory ? kSameDirectory : kSameFileName;
    auto node = std::make_unique<Node>();
    node->name = name;
    node->directory = directory;
    node->size = size;
    node->readOnly = readOnly;
    node->time = Now();
    parent->children.push_back(std::move(node));
    return kFinish;
}

int SimFileSystem::DeleteDirectory(const std::string& path)
{
    std::vector<std::string> parts;
    if (SplitPath(path, parts) != kFinish)
        return kNoFileOrDir;
    if (parts.empty())
        return kInvalidDirectory;
    Node* node = Find(parts);
    if (!node)
        return kNoFileOrDir;
    if (!node->directory)
        return kInvalidDirectory;
    if (!node->children.empty())
        return kNotEmpty;
    Unlink(parts);
    return kFinish;
}

int SimFileSystem::SetListed(const std::string& path)
{
    std::vector<std::string> parts;
    if (SplitPath(path, parts) != kFinish)
        return kNoFileOrDir;
    Node* node = Find(parts);
    if (!node || !node->directory)
        return kNoFileOrDir;
    listed_ = parts;
    return kFinish;
}

SimFileSystem::Node* SimFileSystem::FindFile(const std::string& path, std::vector<std::string>& parts) const
{
    if (SplitPath(path, parts) != kFinish || parts.empty())
        return nullptr;
    Node* node = Find(parts);
    return node && !node->directory ? node : nullptr;
}

void SimFileSystem::Unlink(std::vector<std::string> parts)
{
    const Node* node = Find(parts);
    parts.pop_back();
    auto& siblings = Find(parts)->children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [node](const std::unique_ptr<Node>& child) { return child.get() == node; }),
                   siblings.end());
}

int SimFileSystem::RenameFile(const std::string& source, const std::string& target)
{
    std::vector<std::string> from, to;
    Node* node = FindFile(source, from);
    if (!node)
        return kNoFileOrDir;
    const int targetStatus = SplitPath(target, to);
    if (targetStatus == kFinish && !to.empty() && Find(to))
        return kSameFileName;
    if (node->readOnly)
        return kReadOnly;
    // A rename stays in its directory.
    if (targetStatus != kFinish || to.size() != from.size() ||
        !std::equal(from.begin(), from.end() - 1, to.begin(), SameName))
        return kErrorFileName;
    node->name = to.back();
    node->time = Now();
    return kFinish;
}

int SimFileSystem::DeleteFile(const std::string& path)
{
    std::vector<std::string> parts;
    if (path.empty())
        return kErrorInput;
    if (int status = SplitPath(path, parts); status != kFinish)
        return status == kInvalidDrive ? kInvalidDrive : kErrorInput;
    Node* node = parts.empty() ? nullptr : Find(parts);
    if (!node || node->directory)
        return kNoFileOrDir;
    if (node->readOnly)
        return kReadOnly;
    Unlink(parts);
    return kFinish;
}

int SimFileSystem::CopyFile(const std::string& source, const std::string& target)
{
    std::vector<std::string> from, to;
    const Node* node = FindFile(source, from);
    if (!node)
        return kNoFileOrDir;
    if (SplitPath(target, to) != kFinish || to.empty())
        return kInvalidDirectory;
    const std::string name = to.back();
    to.pop_back();
    Node* parent = Find(to);
    if (!parent || !parent->directory)
        return kInvalidDirectory;
    if (Child(*parent, name))
        return kSameFileName;
    std::uint64_t used = 0;
    std::vector<const Node*> open{&root_};
    while (!open.empty()) {
        const Node* next = open.back();
        open.pop_back();
        used += next->size;
        for (const auto& child : next->children)
            open.push_back(child.get());
    }
    if (used + node->size > capacity_)
        return kInsufficientDisk;
    auto copy = CopyOf(*node);
    copy->name = name;
    parent->children.push_back(std::move(copy));
    return kFinish;
}

void SimFileSystem::SetStatus(SimStore& store, int status, int process) const
{
    store.Put(kStatus, Number(status));
    store.Put(kProcess, Number(process));
}

void SimFileSystem::PublishListing(SimStore& store) const
{
    std::vector<SimOid> old;
    const auto& values = store.Values();
    for (auto it = values.lower_bound(kListing); it != values.end() && SimOidHasPrefix(it->first, kListing); ++it)
        old.push_back(it->first);
    for (const auto& oid : old)
        store.Erase(oid);

    // A listed directory deleted meanwhile: the root is listed.
    const Node* dir = Find(listed_);
    if (!dir || !dir->directory)
        dir = &root_;
    auto row = [&store](const std::string& name, bool directory, const std::string& time) {
        SimOid index{static_cast<std::uint32_t>(name.size())};
        for (unsigned char c : name)
            index.push_back(c);
        SimOid attribute = Under({3, 3, 2, 1, 2});
        attribute.insert(attribute.end(), index.begin(), index.end());
        SimOid stamp = Under({3, 3, 2, 1, 3});
        stamp.insert(stamp.end(), index.begin(), index.end());
        store.Put(attribute, Number(directory ? 1 : 2));
        store.Put(stamp, Text(time));
    };
    if (dir != &root_) {
        row(".", true, dir->time);
        row("..", true, dir->time);
    }
    for (const auto& child : dir->children)
        row(child->name, child->directory, child->time);
}

void SimFileSystem::PublishMedia(SimStore& store) const
{
    store.Put(Under({2, 1, 1, 2, 1}), Number(2));  // drive c
    store.Put(Under({2, 1, 1, 3, 1}), Text("FLASH"));
    store.Put(Under({2, 1, 1, 4, 1}), Number(capacity_));
    store.Put(Under({2, 1, 1, 5, 1}), Text("FLASH"));
    store.Put(Under({2, 1, 1, 6, 1}), Text("FAT16"));
}

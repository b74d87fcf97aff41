#pragma once
// The switch's flash file system (enterprise .12.14): a tree on drive c:,
// the listed directory, the control status every operation reports in, the
// media table and the format settings. Switched on by the `filesystem`
// directive; its objects then live in the store like any other, and this
// class keeps them in step: after an applied set it carries out the
// operation the PDU asked for, and a read of the status moves a running
// format on.
#include "SimStore.h"

#include <memory>
#include <string>
#include <vector>

class SimFileSystem {
public:
    bool Enabled() const { return enabled_; }
    // Publishes the objects (empty drive) the first time.
    void Enable(SimStore& store);

    // Directives and control commands (`filesystem`, `fs-...`); false with
    // `error` on a bad line.
    bool ParseLine(const std::string& keyword, const std::string& rest, SimStore& store, std::string& error);

    // After a set was applied: the operation its objects ask for.
    void AfterSet(const std::vector<SimVarbind>& varbinds, SimStore& store);
    // Before a get is answered: a status read moves a running format on.
    void BeforeGet(const SimOid& oid, SimStore& store);

    struct Node {
        std::string name;  // as stored; matched ignoring case
        bool directory = false;
        std::uint32_t size = 0;
        bool readOnly = false;
        std::string time;
        std::vector<std::unique_ptr<Node>> children;
    };

private:
    static Node RootNode()
    {
        Node root;
        root.directory = true;
        return root;
    }
    // Splits "c:\a\b" into {"a","b"}; status 5 for another drive, 17 for a
    // malformed path, 18 for a character a name may not hold.
    int SplitPath(const std::string& path, std::vector<std::string>& parts) const;
    Node* Find(const std::vector<std::string>& parts) const;
    // The file at `path` (its parts in `parts`), or null.
    Node* FindFile(const std::string& path, std::vector<std::string>& parts) const;
    // Takes the entry at `parts` out of its directory.
    void Unlink(std::vector<std::string> parts);
    int MakeDirectory(const std::string& path);
    int DeleteDirectory(const std::string& path);
    int SetListed(const std::string& path);
    int RenameFile(const std::string& source, const std::string& target);
    int DeleteFile(const std::string& path);
    int CopyFile(const std::string& source, const std::string& target);
    int AddEntry(const std::string& path, bool directory, std::uint32_t size, bool readOnly);
    void StartFormat(SimStore& store);

    void SetStatus(SimStore& store, int status, int process) const;
    void PublishListing(SimStore& store) const;
    void PublishMedia(SimStore& store) const;

    bool enabled_ = false;
    Node root_ = RootNode();
    std::vector<std::string> listed_;  // the listed directory below c:
    int hold_ = 0;                     // the next operation's status instead of its work
    int formatReads_ = 3;              // status reads a format takes
    std::vector<int> formatSteps_{4, 9, 14};
    int formatRead_ = -1;              // reads so far of a running format; -1 none
    std::uint32_t capacity_ = 16 * 1024 * 1024;
};

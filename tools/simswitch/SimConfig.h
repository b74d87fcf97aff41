#pragma once
// One switch stack as its data files describe it: the objects, the subtrees
// served, communities, v3 users and the faults to start with.
#include "SimFaults.h"
#include "SimFileSystem.h"
#include "SimStore.h"

#include <string>
#include <vector>

struct SimCommunity {
    std::string name;
    bool readWrite = false;
};

struct SimUser {
    std::string name;
    bool readWrite = true;
    std::string authProtocol;  // "", "MD5" or "SHA"
    std::string authPassword;
    std::string privProtocol;  // "", "DES" or "AES"
    std::string privPassword;
};

struct SimConfig {
    SimStore store;
    SimFaults faults;
    SimFileSystem fileSystem;  // off until the `filesystem` directive
    std::vector<SimOid> subtrees;  // served by the agent
    std::vector<SimCommunity> communities;
    std::vector<SimUser> users;

    // system, interfaces, RMON, BRIDGE/Q-BRIDGE and the enterprise tree.
    static std::vector<SimOid> DefaultSubtrees();
    // "qorvel" read-only and "tamisko" read-write.
    static std::vector<SimCommunity> DefaultCommunities();
    // noauth, md5user, shauser, md5des and shades, all read-write.
    static std::vector<SimUser> DefaultUsers();

    bool IsServed(const SimOid& oid) const;
    // Adds or replaces a user of the same name.
    void AddUser(const SimUser& user);
};

// Reads data files in the format of README.md into `config`.
class SimDataFile {
public:
    // On failure `error` names the file and line.
    static bool Load(const std::string& path, SimConfig& config, std::string& error);
    static bool Parse(const std::string& text, const std::string& source, SimConfig& config,
                      std::string& error);
    // One line (object or directive); comments already removed.
    static bool ParseLine(const std::string& line, SimConfig& config, std::string& error);
    // "NAME ro|rw [MD5|SHA AUTHPASS [DES|AES PRIVPASS]]"
    static bool ParseUser(const std::vector<std::string>& words, SimUser& user, std::string& error);
    static std::string StripComment(const std::string& line);
    // Splits off `count` words; the rest of the line (trimmed) is the last element.
    static std::vector<std::string> SplitWords(const std::string& line, std::size_t count);
};

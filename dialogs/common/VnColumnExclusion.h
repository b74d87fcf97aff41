#pragma once
// Which columns a set carries: the items a command must not send are marked
// invalid for the set, and every item's access word is put back when the
// scope is left, whether the set succeeded, the agent refused it or an
// exception flew.
#include <initializer_list>
#include <vector>

class VnSNMPVarList;

class VnColumnExclusion {
public:
    // Saves the access word of every item, then marks `excluded`.
    VnColumnExclusion(VnSNMPVarList& list, std::initializer_list<int> excluded = {});
    VnColumnExclusion(VnSNMPVarList& list, const std::vector<int>& excluded);
    ~VnColumnExclusion();
    VnColumnExclusion(const VnColumnExclusion&) = delete;
    VnColumnExclusion& operator=(const VnColumnExclusion&) = delete;

    // Marks item i invalid (an index outside the list is ignored).
    void Exclude(int i);
    // Marks every item except those of `kept`.
    void ExcludeAllBut(std::initializer_list<int> kept);
    // Item i gets `word` back instead of its saved word (dialogs that put a
    // fixed value back).
    void RestoreAs(int i, unsigned word);
    // Puts the words back now; the destructor then does nothing.
    void Restore();

private:
    VnSNMPVarList& list_;
    std::vector<unsigned> saved_;
    bool restored_ = false;
};

#pragma once
// Access flags changed for one request and put back however the scope is
// left: the items a command must not send are left out (the invalid flag
// added, their other flags kept), and every item's access word comes back
// whether the set went out, the agent refused it or an exception flew.
#include <initializer_list>
#include <vector>

class VnSNMPVarList;

class VnAccessScope {
public:
    // Saves the access word of every item, then leaves out `leftOut`.
    explicit VnAccessScope(VnSNMPVarList& list, std::initializer_list<int> leftOut = {});
    ~VnAccessScope();
    VnAccessScope(const VnAccessScope&) = delete;
    VnAccessScope& operator=(const VnAccessScope&) = delete;

    // Item i is left out of every request while the scope lasts; an index
    // outside the list is ignored.
    void LeaveOut(int i);
    // Leaves out every item except those of `kept`.
    void LeaveOutAllBut(std::initializer_list<int> kept);
    // Item i gets `word` back instead of its saved word (a dialog that puts
    // a fixed word back).
    void RestoreAs(int i, unsigned word);
    // Puts the words back now; the destructor then does nothing.
    void Restore();

private:
    VnSNMPVarList& list_;
    std::vector<unsigned> saved_;
    bool restored_ = false;
};

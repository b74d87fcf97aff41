#pragma once
// Access flags put on a variable list for one set (items left out with the
// invalid flag), taken back however the scope is left.
#include <vector>

#include "VnSNMPVarList.h"

class VnAccessMarks {
public:
    explicit VnAccessMarks(VnSNMPVarList& list) : list_(list)
    {
        for (int i = 0; i < list.Count(); ++i)
            saved_.push_back(list.Item(i).access);
    }
    ~VnAccessMarks()
    {
        for (int i = 0; i < list_.Count() && i < static_cast<int>(saved_.size()); ++i)
            list_.Item(i).access = saved_[static_cast<std::size_t>(i)];
    }
    VnAccessMarks(const VnAccessMarks&) = delete;
    VnAccessMarks& operator=(const VnAccessMarks&) = delete;

    void LeaveOut(int i) { list_.Item(i).access |= VnAccess::Invalid; }

private:
    VnSNMPVarList& list_;
    std::vector<unsigned> saved_;
};

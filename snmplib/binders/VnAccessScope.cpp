#include "VnAccessScope.h"

#include <algorithm>

#include "VnSNMPVarList.h"

VnAccessScope::VnAccessScope(VnSNMPVarList& list, std::initializer_list<int> leftOut) : list_(list)
{
    saved_.reserve(static_cast<std::size_t>(list_.Count()));
    for (int i = 0; i < list_.Count(); ++i)
        saved_.push_back(list_.Item(i).access);
    for (int i : leftOut)
        LeaveOut(i);
}

VnAccessScope::~VnAccessScope()
{
    Restore();
}

void VnAccessScope::LeaveOut(int i)
{
    if (i < 0 || i >= list_.Count())
        return;
    // Added, not assigned: a hidden or read-only item stays so for whatever
    // runs inside the scope.
    list_.Item(i).access |= VnAccess::Invalid;
}

void VnAccessScope::LeaveOutAllBut(std::initializer_list<int> kept)
{
    for (int i = 0; i < list_.Count(); ++i) {
        if (std::find(kept.begin(), kept.end(), i) == kept.end())
            LeaveOut(i);
    }
}

void VnAccessScope::RestoreAs(int i, unsigned word)
{
    if (i >= 0 && static_cast<std::size_t>(i) < saved_.size())
        saved_[static_cast<std::size_t>(i)] = word;
}

void VnAccessScope::Restore()
{
    if (restored_)
        return;
    restored_ = true;
    // The list may have lost items meanwhile; put back what is still there.
    const int count = std::min(list_.Count(), static_cast<int>(saved_.size()));
    for (int i = 0; i < count; ++i)
        list_.Item(i).access = saved_[static_cast<std::size_t>(i)];
}

#include "VnColumnExclusion.h"

#include <algorithm>

#include "VnSNMPVarList.h"

VnColumnExclusion::VnColumnExclusion(VnSNMPVarList& list, std::initializer_list<int> excluded)
    : VnColumnExclusion(list, std::vector<int>(excluded))
{
}

VnColumnExclusion::VnColumnExclusion(VnSNMPVarList& list, const std::vector<int>& excluded) : list_(list)
{
    saved_.reserve(static_cast<std::size_t>(list_.Count()));
    for (int i = 0; i < list_.Count(); ++i)
        saved_.push_back(list_.Item(i).access);
    for (int i : excluded)
        Exclude(i);
}

VnColumnExclusion::~VnColumnExclusion()
{
    Restore();
}

void VnColumnExclusion::Exclude(int i)
{
    if (i < 0 || i >= list_.Count())
        return;
    list_.Item(i).access = VnAccess::Invalid;
}

void VnColumnExclusion::ExcludeAllBut(std::initializer_list<int> kept)
{
    for (int i = 0; i < list_.Count(); ++i) {
        if (std::find(kept.begin(), kept.end(), i) == kept.end())
            Exclude(i);
    }
}

void VnColumnExclusion::RestoreAs(int i, unsigned word)
{
    if (i >= 0 && static_cast<std::size_t>(i) < saved_.size())
        saved_[static_cast<std::size_t>(i)] = word;
}

void VnColumnExclusion::Restore()
{
    if (restored_)
        return;
    restored_ = true;
    // The list may have lost items meanwhile; put back what is still there.
    const int count = std::min(list_.Count(), static_cast<int>(saved_.size()));
    for (int i = 0; i < count; ++i)
        list_.Item(i).access = saved_[static_cast<std::size_t>(i)];
}

#include "VnStackTableBinder.h"

#include <exception>
#include <optional>

#include "TPanelForm.h"
#include "VnTargetSettings.h"

namespace {

std::optional<long long> UnitNumber(const std::string& text)
{
    try {
        return VnStrToInt(text);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

void VnStackTableBinder::BeforeRefresh()
{
    rows_ = 0;
    skippedRows_ = 0;
    stopReason_.clear();
    skipped_.clear();
    VnSNMPRequest2Edits::BeforeRefresh();
}

void VnStackTableBinder::AddRow()
{
    const std::string& unit = request.varList.Item(0).value;
    const std::optional<long long> number = UnitNumber(unit);
    if (number && *number > kVnMaxStackUnits)
        stopReason_ = "at unit " + unit;
    else if (rows_ + skippedRows_ >= kVnMaxStackUnits)
        stopReason_ = "after " + std::to_string(rows_ + skippedRows_) + " rows";
    if (!stopReason_.empty()) {
        // The next step sends nothing; the row is not kept.
        request.keepGoing = false;
        return;
    }
    if (!number || !VnIsStackUnitNumber(*number)) {
        ++skippedRows_;
        skipped_ += (skipped_.empty() ? "" : ", ") + (unit.empty() ? std::string("(none)") : unit);
        return;
    }
    ++rows_;
    VnSNMPRequest2Edits::AddRow();
}

void VnStackTableBinder::AfterRefresh()
{
    // Stopped here, not by the window: the next build reads again.
    if (!stopReason_.empty())
        request.keepGoing = true;
    VnSNMPRequest2Edits::AfterRefresh();
}

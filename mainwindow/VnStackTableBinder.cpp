#include "VnStackTableBinder.h"

#include <exception>

#include "TPanelForm.h"
#include "VnTargetSettings.h"

namespace {

bool IsStackUnit(const std::string& text)
{
    try {
        return VnIsStackUnitNumber(VnStrToInt(text));
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void VnStackTableBinder::BeforeRefresh()
{
    rows_ = 0;
    stopReason_.clear();
    VnSNMPRequest2Edits::BeforeRefresh();
}

void VnStackTableBinder::AddRow()
{
    const std::string& unit = request.varList.Item(0).value;
    if (!IsStackUnit(unit))
        stopReason_ = "at unit " + unit;
    else if (rows_ >= kVnMaxStackUnits)
        stopReason_ = "after " + std::to_string(rows_) + " rows";
    if (!stopReason_.empty()) {
        // The next step sends nothing; the row is not kept.
        request.keepGoing = false;
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

#include "VnShownUnits.h"

#include <QString>

#include <charconv>

#include "Stackingportuitformunit.h"
#include "VnDialogContext.h"

int VnFieldNumber(const std::string& text)
{
    int value = -1;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0)
        return -1;
    return value;
}

std::vector<VnShownUnit> VnShowUnitsListed(const VnDialogContext& context,
                                           std::initializer_list<TStackingPortUitForm*> grids)
{
    VnShowPresentUnits(context, grids);
    std::vector<VnShownUnit> units;
    if (!context.stackUnits)
        return units;
    for (const VnStackUnitRow& row : context.stackUnits()) {
        if (QString::fromStdString(row.modelName).compare(kVnUnitNotConfigured, Qt::CaseInsensitive) == 0)
            continue;
        const int unit = VnFieldNumber(row.unitId);
        if (unit < 1 || unit > TStackingPortUitForm::kUnits)
            continue;
        units.push_back({unit, VnFieldNumber(row.portRange), VnShownModelName(row.modelName)});
    }
    return units;
}

const VnShownUnit* VnFindShownUnit(const std::vector<VnShownUnit>& units, int unit)
{
    for (const VnShownUnit& shown : units) {
        if (shown.unit == unit)
            return &shown;
    }
    return nullptr;
}

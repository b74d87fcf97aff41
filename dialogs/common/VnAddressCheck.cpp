#include "VnAddressCheck.h"

#include <exception>

#include "VnValueText.h"

bool VnIsIpAddressText(const QString& text)
{
    try {
        ReadIpAddressText(text.toStdString());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

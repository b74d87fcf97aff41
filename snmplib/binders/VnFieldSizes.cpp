#include "VnFieldSizes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include <memory>

#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPVarList.h"

namespace {

bool ShownAsHex(unsigned syntax)
{
    return syntax == VnSyntax::OctetStr || syntax == VnSyntax::Opaque || syntax == VnSyntax::BitStr;
}

bool AllHexDigits(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f')))
            return false;
    }
    return true;
}

QString Bytes(int digits)
{
    const int bytes = digits / 2;
    return QString("%1 byte%2 (%3 hex digits)").arg(bytes).arg(bytes == 1 ? "" : "s").arg(digits);
}

// Transport domains whose addresses have one size: the address, then the
// zone where there is one, then the port.
struct Transport {
    const char* domain;
    int bytes;
    const char* name;
};

constexpr Transport kTransports[] = {
    {"1.3.6.1.6.1.1", 6, "UDP over IPv4"},
    {"1.3.6.1.6.1.5", 12, "IPX"},
    {"1.3.6.1.2.1.100.1.1", 6, "UDP over IPv4"},
    {"1.3.6.1.2.1.100.1.2", 18, "UDP over IPv6"},
    {"1.3.6.1.2.1.100.1.3", 10, "UDP over IPv4 with a zone"},
    {"1.3.6.1.2.1.100.1.4", 22, "UDP over IPv6 with a zone"},
    {"1.3.6.1.2.1.100.1.5", 6, "TCP over IPv4"},
    {"1.3.6.1.2.1.100.1.6", 18, "TCP over IPv6"},
    {"1.3.6.1.2.1.100.1.7", 10, "TCP over IPv4 with a zone"},
    {"1.3.6.1.2.1.100.1.8", 22, "TCP over IPv6 with a zone"},
};

// How many hex digits a field may hold, and whether exactly so many.
struct FieldSize {
    int digits = 0;
    bool exact = false;
    QString why;  // after the size in a refusal; may be empty
};

// What item i shows: its one edit's or combo box's text, else its value.
QString ShownText(VnSNMPRequest2Edits& binder, int i)
{
    for (const auto& binding : binder.Bindings()) {
        if (binding->itemIndex != i || binding->controls.size() != 1)
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(binding->controls[0].data()))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(binding->controls[0].data()))
            return combo->currentText();
    }
    return QString::fromStdString(binder.request.varList.Item(i).value);
}

std::optional<FieldSize> SizeOf(VnSNMPRequest2Edits& binder, int i, const _EditConstraint_s* record)
{
    const int domainItem = binder.DomainOf(i);
    if (domainItem >= 0) {
        QString domain = ShownText(binder, domainItem).trimmed();
        if (domain.startsWith(u'.'))
            domain.remove(0, 1);
        for (const Transport& transport : kTransports) {
            if (domain == QLatin1String(transport.domain)) {
                const QString label = QString::fromStdString(binder.request.varList.Item(domainItem).label);
                return FieldSize{2 * transport.bytes, true,
                                 QString(", the size of an address of %1 (%2 %3)")
                                     .arg(transport.name, label, domain)};
            }
        }
        // A domain of addresses of many sizes, or none yet: the format's
        // limit still holds.
    }
    if (!record || record->maxLength <= 0 || (record->conversion != 's' && record->conversion != 'h'))
        return std::nullopt;
    return FieldSize{record->maxLength, (record->flags & _EditConstraint_s::kExactLength) != 0, {}};
}

}  // namespace

std::optional<VnSizeRefusal> VnWrongSize(VnSNMPRequest2Edits& binder)
{
    const VnSNMPVarList& list = binder.request.varList;
    const bool table = list.itemType == MVT_FMV || list.itemType == MVT_UMV;
    for (const auto& binding : binder.Bindings()) {
        const int i = binding->itemIndex;
        if (binding->controls.size() != 1 || !ShownAsHex(binding->syntax) || i < 0 || i >= list.Count())
            continue;
        if (!list.IsWritable(i) || (table && static_cast<unsigned>(i) < list.keyCount))
            continue;
        auto* edit = qobject_cast<QLineEdit*>(binding->controls[0].data());
        if (!edit)
            continue;
        const std::optional<FieldSize> size = SizeOf(binder, i, binder.Constraints().Find(edit));
        if (!size)
            continue;
        const QString text = edit->text().trimmed();
        // Blanks between the digits are read past when the value goes
        // out, so only the digits count; other text the set refuses itself.
        QString hex = text;
        hex.remove(u' ');
        if (IsNoValueText(text.toStdString()) || !AllHexDigits(hex))
            continue;
        const int digits = static_cast<int>(hex.size());
        if (size->exact ? digits == size->digits : digits <= size->digits)
            continue;
        const QString label = QString::fromStdString(list.Item(i).label);
        const QString bytes = Bytes(size->digits);
        const QString why = size->exact ? QString("'%1' is not %2%3.").arg(text, bytes, size->why)
                                        : QString("'%1' is more than %2.").arg(text, bytes);
        return VnSizeRefusal{edit, label + ": " + why};
    }
    return std::nullopt;
}

bool VnSizesFit(VnSNMPRequest2Edits& binder, QWidget* form)
{
    const std::optional<VnSizeRefusal> refusal = VnWrongSize(binder);
    if (!refusal)
        return true;
    const std::shared_ptr<const bool> alive = binder.AliveToken();
    const QPointer<QLineEdit> field = refusal->field;
    VnMessageBox(form, refusal->text);
    if (!*alive)
        return false;
    binder.SetStatusTemplate(kVnStatusSet);
    binder.ShowStatus(kVnNothingSentText);
    if (field && field->isVisible() && field->isEnabled())
        field->setFocus(Qt::OtherFocusReason);
    return false;
}

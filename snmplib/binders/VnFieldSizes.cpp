#include "VnFieldSizes.h"

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
        const _EditConstraint_s* record = edit ? binder.Constraints().Find(edit) : nullptr;
        if (!record || record->maxLength <= 0 || (record->conversion != 's' && record->conversion != 'h'))
            continue;
        const QString text = edit->text().trimmed();
        // Blanks between the digits are read past when the value goes
        // out, so only the digits count; other text the set refuses itself.
        QString hex = text;
        hex.remove(u' ');
        if (IsNoValueText(text.toStdString()) || !AllHexDigits(hex))
            continue;
        const bool exact = (record->flags & _EditConstraint_s::kExactLength) != 0;
        const int digits = static_cast<int>(hex.size());
        if (exact ? digits == record->maxLength : digits <= record->maxLength)
            continue;
        const QString label = QString::fromStdString(list.Item(i).label);
        const QString size = Bytes(record->maxLength);
        const QString why = exact ? QString("'%1' is not %2.").arg(text, size)
                                  : QString("'%1' is more than %2.").arg(text, size);
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

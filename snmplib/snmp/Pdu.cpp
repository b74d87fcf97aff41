#include "Pdu.h"

Pdu::Pdu(const Vb* vbs, int count)
{
    for (int i = 0; vbs && i < count; ++i)
        vbs_.push_back(vbs[i]);
}

Pdu& Pdu::operator+=(const Vb& vb)
{
    vbs_.push_back(vb);
    return *this;
}

bool Pdu::get_vb(Vb& vb, int index) const
{
    if (index < 0 || index >= get_vb_count())
        return false;
    vb = vbs_[static_cast<std::size_t>(index)];
    return true;
}

bool Pdu::set_vb(const Vb& vb, int index)
{
    if (index < 0 || index >= get_vb_count())
        return false;
    vbs_[static_cast<std::size_t>(index)] = vb;
    return true;
}

void Pdu::clear()
{
    vbs_.clear();
    errorStatus_ = 0;
    errorIndex_ = 0;
    requestId_ = 0;
    type_ = 0;
    resent_ = false;
    unchecked_ = false;
}

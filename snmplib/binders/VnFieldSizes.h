#pragma once
// Hexadecimal fields whose format gives their size: "%s{l4f}" holds exactly
// 4 digits (2 bytes), "%s{l8}" at most 8; a transport address takes the
// size its row's domain gives (VnSNMPRequest2Edits::SizeByDomain: 6 bytes
// for UDP over IPv4), or its format's where the domain gives none. The
// edit's own check looks at what
// the user typed as the edit is left; this one looks at what a set is about
// to carry (a value read from the agent, an emptied field too), so that a
// mask or an address never goes out with another number of bytes than its
// column has.
#include <QString>

#include <optional>

class QLineEdit;
class QWidget;
class VnSNMPRequest2Edits;

struct VnSizeRefusal {
    QLineEdit* field = nullptr;
    QString text;  // names the field and its size
};

// The first bound hexadecimal field whose item the binder's next set
// carries (writable, not left out, not an index, showing a value) and whose
// text has another number of digits than its size allows; none when every
// such field fits. Texts that are no hex at all are left to the set's own
// refusal.
std::optional<VnSizeRefusal> VnWrongSize(VnSNMPRequest2Edits& binder);

// VnWrongSize as a refused input: the reason in a message box over `form`,
// the focus to the field, "nothing sent" on the binder's status line.
// True when every field fits.
bool VnSizesFit(VnSNMPRequest2Edits& binder, QWidget* form);

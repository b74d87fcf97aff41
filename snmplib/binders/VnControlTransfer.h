#pragma once
// Moving item values between a variable list and the controls bound to its
// items: labels, check boxes (one, or one per bit of the value), combo
// boxes, radio groups, and one edit box or a group of edit boxes that shows
// one value in parts (the four bytes of an address, the fields of a date).
// The parts go through the byte form of the value (VnControlValue.h).
//
// Bit number b stands for the bit of value 2^(7 - b % 8) in byte b / 8, so
// bit 0 is the most significant bit of the first byte (port bitmaps).
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QTreeWidgetItem;
class VnSNMPVarList;

// One binding of one item to one control or a group of controls.
struct _ControlBinding_s {
    int itemIndex = 0;
    unsigned syntax = 0;   // the item's syntax when it was bound
    int controlCount = 0;
    bool hasBits = false;  // check boxes standing for bits
    std::vector<int> bits; // bit of each control, with hasBits
    // The form owns the controls; one it has deleted takes no more values.
    std::vector<QPointer<QWidget>> controls;
    // A grid of bits: the bytes of the value it last showed, which it is
    // written over when its item holds no value of its own at a set.
    std::optional<std::vector<std::uint8_t>> shownBytes;
};

using VnControlBindings = std::vector<std::unique_ptr<_ControlBinding_s>>;

// Item values to controls, for every binding of item `index` (-1: all) in
// binding order; items marked invalid are left out. Raises -517 (a check box
// the value cannot drive), -519 (a bit past the value's bytes: the boxes
// past the value are cleared first), -520 (a combo box or radio group whose
// item has no option list), -521 (a control of no known kind) and -522 (too
// few edit boxes for the value), and the conversion errors of the byte form.
//
// "(NOTDONE)" and "(NULL)" are never taken for data: an edit box or label
// shows the text, a grid of bits is cleared, a combo box or radio group
// selects nothing, and a group of edit boxes keeps its texts. A check box
// (or grid) that shows no value of its item, or a value it cannot stand for
// (one outside its option list), stays marked so until it is toggled, and
// a group of edit boxes until one of its texts changes.
void VnUpdateControls(VnSNMPVarList& list, const VnControlBindings& bindings, int index);

// Value texts hold the agent's bytes, which need not be UTF-8 (a Latin-1
// name, say). Controls and list rows show them readably: as UTF-8 when they
// are, else one character per byte (Latin-1). A shown text the user has not
// changed stands for the very bytes it was shown from; a changed one is
// encoded as the value it replaced was: Latin-1 when that was not UTF-8 and
// every character fits, else UTF-8.
QString VnValueToQt(const std::string& value);
// Shows `value` in an edit box or label and keeps its bytes with it.
void VnShowValue(QWidget* control, const std::string& value);
// The bytes `text` stands for in a control that showed a value with
// VnShowValue (the control's own text when `text` is null).
std::string VnControlValue(const QWidget* control, const QString* text = nullptr);
// The same for one cell of a list view row.
void VnSetCellValue(QTreeWidgetItem* row, int column, const std::string& value);
std::string VnCellValue(const QTreeWidgetItem* row, int column);

// Controls to item values, for item `index` (-1: all) when it goes into a
// set and has a binding. A control that shows the whole value replaces it;
// check boxes of bits are written over the first bytes of the value (or,
// when the item holds no value, of the value the grid last showed) and
// leave the bytes after them as they were. A control that holds no value
// leaves the item as it is: a combo box or radio group with nothing
// selected, a control still marked as showing no value, an edit box or
// label showing "(NOTDONE)" or "(NULL)". A text that is not a value of the
// item's syntax ("12ab", "300.1.1.1", a month 13) is kept as typed rather
// than read as something else: the set refuses it by the field's name.
// Raises as VnUpdateControls, and -518 for a DateAndTime offset without "+"
// or "-" and for a date-time value outside the calendar.
void VnReadControls(VnSNMPVarList& list, const VnControlBindings& bindings, int index);

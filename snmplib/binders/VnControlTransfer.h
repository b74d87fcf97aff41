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
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

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

// Controls to item values, for item `index` (-1: all) when it goes into a
// set and has a binding. A control that shows the whole value replaces it;
// check boxes of bits are written over the first bytes of the value and
// leave the bytes after them as they were. A control that holds no value
// leaves the item as it is: a combo box or radio group with nothing
// selected, a control still marked as showing no value, an edit box or
// label showing "(NOTDONE)" or "(NULL)". A numeric item's text that is no
// number is kept as typed rather than read as 0. Raises as VnUpdateControls,
// and -518 for a DateAndTime offset without "+" or "-".
void VnReadControls(VnSNMPVarList& list, const VnControlBindings& bindings, int index);

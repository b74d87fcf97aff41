#pragma once
// Forms whose fields are sent only when a box beside them is ticked: a
// change the user makes to the field ticks its box, so a typed value is
// never dropped silently. Values the program puts into the field tick
// nothing, and the user can untick the box again.
class QCheckBox;
class QWidget;

// Ticks `sendBox` whenever the user types into, chooses in or clicks
// `field` or any edit, combo box or button inside it (a port grid, an
// address of several edits). Controls added to `field` later are not
// followed. A disabled box stays as it is: the field cannot be sent now.
void VnTickOnUserEdit(QWidget* field, QCheckBox* sendBox);

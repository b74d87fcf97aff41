#pragma once
// An edit that takes digits only, for a unit or port number: any other
// printable key is dropped with a beep, pasted text keeps its digits only
// by the validator; Backspace, Delete and the cursor keys still edit, so a
// wrong digit can be corrected.
class QLineEdit;

void VnDigitsOnly(QLineEdit* edit);

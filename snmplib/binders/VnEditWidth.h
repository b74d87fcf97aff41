#pragma once
// How wide an edit must be to show whole the longest text its format
// constraint admits: "%i{n1x65535l5}" five digits, "%s{l32}" 32 hex digits.
// Longer limits than kVnWholeChars characters get that many: such values
// scroll in their edit.
#include <QString>

class QFontMetrics;
class QLineEdit;
struct _EditConstraint_s;

inline constexpr int kVnWholeChars = 32;

// The longest text `record` admits, as that many characters of the one
// admitted character that is widest in `metrics` (a digit for numbers, a
// hex digit for strings); empty when the constraint sets no bound.
QString VnLongestAdmitted(const _EditConstraint_s& record, const QFontMetrics& metrics);

// The width at which `edit`, with its font, frame and margins, shows
// `text` whole.
int VnLineEditWidth(const QLineEdit& edit, const QString& text);

// Raises the edit's minimum width to show its constraint's longest text;
// an edit of a fixed width keeps it.
void VnFitEditToConstraint(QLineEdit& edit, const _EditConstraint_s& record);

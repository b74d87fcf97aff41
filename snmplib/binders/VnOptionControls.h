#pragma once
// Moving an option list into combo boxes and radio groups and selecting an
// entry by label or value. Kept out of VnOptionList, which stays free of Qt.
#include <string_view>

class QComboBox;
class VnOptionList;
class VnRadioGroup;

// The control's entries become the list's labels in list order (entry
// index = item index); nothing is selected afterwards. A null control is
// left alone.
void FillComboBox(const VnOptionList& list, QComboBox* combo);
void FillRadioGroup(const VnOptionList& list, VnRadioGroup* group);

// Selects the entry whose label is `text`, else the one whose value is
// `text`. A value in neither (one the agent holds that the list does not
// know) is shown as it stands in an entry of its own after the list's,
// selected; a text that is no value leaves nothing selected. The combo box
// emits no change signal for it: its change handlers are for the user's
// choices.
void SelectComboBox(const VnOptionList& list, QComboBox* combo, std::string_view text);
// Whether the combo box shows such a value: it is the agent's, not a choice
// of the user, and is not written back.
bool VnComboShowsRawValue(const QComboBox* combo);
void SelectRadioGroup(const VnOptionList& list, VnRadioGroup* group, std::string_view text);

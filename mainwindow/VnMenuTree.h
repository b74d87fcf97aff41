#pragma once
// The main window's menus as data: every item of the main menu in menu
// order (a flat list with the depth of each item) and the two items of the
// port buttons' pop-up menu. VnInstallMainMenu builds the widgets from it.
//
// An item's name is the object name of its QAction ("AlarmControl1"); an
// item with a command runs the command named after it and the event
// ("AlarmControl1Click", see VnCommandTable.h). Whether an item opens a
// dedicated dialog comes from the dialog registrations
// (VnDialogRegistrations.cpp), not from the tree.
#include <span>
#include <string>

// What an item's command does; None: the item has no command (a submenu,
// a separator, or an item that was never given one).
enum class VnCommandKind : unsigned char {
    None,
    ScalarEditor,  // generic editor over a scalar group
    TableEditor,   // generic editor over a table
    PageEditor,    // generic editor with one scalar page per group
    Dialog,        // a dedicated dialog: an item whose handler has a dialog registration
    Module,        // a sibling module of the host
    Own,           // code of the main window's own (exit, refresh, help, about)
};

inline constexpr const char kVnSeparatorCaption[] = "-";

struct VnMenuItem {
    unsigned char depth;  // 0 for the top-level menus
    const char* name;     // object name, unique over both menus
    const char* caption;  // kVnSeparatorCaption for a separator line
    bool visible;         // false: hidden in the form data, yet its command works
    VnCommandKind kind;
};

// The main menu: 320 items under ten top-level menus, in menu order.
std::span<const VnMenuItem> VnMainMenuItems();
// The port buttons' pop-up menu ("PortInfoPopupMenu"), depth 0 only.
std::span<const VnMenuItem> VnPortPopupItems();

inline bool VnIsSeparator(const VnMenuItem& item)
{
    return item.caption[0] == '-' && item.caption[1] == '\0';
}

// "AlarmControl1" -> "AlarmControl1Click"; empty for an item without command.
std::string VnCommandName(const VnMenuItem& item);

// The item of a name in either menu, or null.
const VnMenuItem* VnFindMenuItem(const std::string& name);

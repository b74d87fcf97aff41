#pragma once
// The per-unit port grid the port-list dialogs embed: one hidden page per
// stack unit with one check box per port, shown for the units present.
// Box k of the check-box list stands for bit k of an SNMP port bitmap
// (byte k / 8, most significant bit first); with units 1 to 12 added in
// order, port p of unit u is box (u - 1) * 64 + (p - 1), and a bitmap over
// the whole stack is 96 bytes.
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QScrollArea;
class QTabWidget;
struct VnDialogContext;

class TStackingPortUitForm : public QWidget {
public:
    static constexpr int kUnits = 12;
    static constexpr int kPortsPerUnit = 64;
    static constexpr int kColumns = 12;
    static constexpr int kColumnsWithDeviceInfo = 10;
    static constexpr int kBoxes = kUnits * kPortsPerUnit;

    // Borderless, filling its parent; the check-box and page lists start empty.
    explicit TStackingPortUitForm(QWidget* owner);

    QTabWidget* UnitPageControl = nullptr;

    // Appends a hidden page captioned `caption` with `count` hidden check
    // boxes, captioned 1 to count, in `columns` columns (10 whenever a file
    // "DeviceInfo.ini" is in the current directory).
    void AddUnit(const QString& caption, int count, int columns);
    // Shows the page of unit `unitNumberText`, appends " " and `modelText`
    // to its caption and shows its first `portCount` boxes. A unit without
    // a page is ignored.
    void ShowUnit(std::string_view unitNumberText, std::string_view modelText, int portCount);

    const std::vector<QCheckBox*>& CheckBoxList() const { return checkBoxes_; }
    const std::vector<QWidget*>& PageList() const { return pages_; }
    // The box of port `port` of unit `unit` (both from 1); null outside.
    QCheckBox* Box(int unit, int port) const;
    static int BoxIndex(int unit, int port) { return (unit - 1) * kPortsPerUnit + (port - 1); }
    // Unchecks every box.
    void UncheckAll();

private:
    std::vector<QCheckBox*> checkBoxes_;
    std::vector<QWidget*> pages_;
};

// Whether the port grids lay out 10 boxes per row.
bool VnDeviceInfoIniPresent();

// The bit positions a grid's box list stands for: "0,1,2,...,767".
std::string VnPortPositionsText();

// Grid set-up, step 2: the pages of units 1 to 12 ("Unit1" to "Unit12"),
// 64 boxes each in 12 columns.
void VnAddStackUnits(TStackingPortUitForm& grid);

// A page of `pages` captioned `caption` holding a scroll area for a grid.
QScrollArea* VnAddGridPage(QTabWidget* pages, const char* name, const QString& caption);

// Grid set-up, steps 1 and 2: a grid named `name`, owned by the scroll area
// `box` and filling it, with the pages of units 1 to 12. Show the present
// units on all of a dialog's grids afterwards (VnShowPresentUnits).
TStackingPortUitForm* VnEmbedPortGrid(QScrollArea* box, const char* name);

// Grid set-up, step 3: the present units of the main window's stack-unit
// list shown on every grid. An empty list is read again first. Units
// listed as "USR-NOT-CFG" (any case), and unit numbers outside 1 to 12,
// stay hidden.
void VnShowPresentUnits(const VnDialogContext& context, std::initializer_list<TStackingPortUitForm*> grids);

// A model name as the grid tabs show it ("RQ-4024S*" -> "RQ-4024S",
// "RQ-6026R" -> "RQ-6026S").
std::string VnShownModelName(const std::string& model);

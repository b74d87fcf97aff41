#pragma once
// Daylight saving time: the mode (off, a rule repeating every year by week
// and weekday, or fixed annual dates), the offset, and the start and end of
// the period. Three scalar binders; the start and end travel as octet
// strings kept as hex text in hidden edits and shown as drop-down lists.
// Only the current mode's pair is read or written.
#include <QString>

#include <array>

#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class VnSNMPRequest2Edits;
struct VnSNMPError;

// List positions of a start or end (-1: nothing chosen). Annual: day,
// month, hour, minute. Repeating: week (0-3 the first to fourth, 4 the
// last), weekday, month, hour, minute.
using VnAnnualPositions = std::array<int, 4>;
using VnRepeatPositions = std::array<int, 5>;
inline constexpr int kVnLastWeek = 4;

// Hex text of the octets, two digits each; empty when a position is -1.
QString VnAnnualHex(const VnAnnualPositions& positions);
QString VnRepeatHex(const VnRepeatPositions& positions, bool end);
// The positions a value read shows; a value too short or not hex shows
// nothing, an octet out of its range leaves its own list empty.
VnAnnualPositions VnAnnualFromHex(const QString& hex);
VnRepeatPositions VnRepeatFromHex(const QString& hex, bool end);
// False for a day the month never has (30 February, 31 April); a list
// without a choice is no date to judge.
bool VnAnnualDateExists(const VnAnnualPositions& positions);

class TSummerTimeConfigForm : public TDialogBase {
public:
    static constexpr int kWidth = 470;
    static constexpr int kHeight = 340;
    static constexpr const char* kTitle = "Summer Time Configuration: ";
    static constexpr const char* kNoSuchDate = "Day %1 does not exist in month %2.";
    static constexpr const char* kOffsetMissing = "SummerTimeOffset: none is shown. Choose 30, 60, 90 or 120.";
    // %1: the blank lists, each as its label in its group ('Minute in "To"').
    static constexpr const char* kDateInPart =
        "%1: none is chosen. Choose one in every list of \"From\" and \"To\", or in none to keep the dates "
        "the switch holds.";

    enum Mode { kDisable, kRepeating, kAnnual };
    // The mode binder's items.
    enum ModeItem { kModeItem, kOffsetItem };

    TSummerTimeConfigForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* GetBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* OffSetTimeComboBox = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* AnualTimeStartEdit = nullptr;
    QLineEdit* AnualTimeEndEdit = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    // Annual start ("From") and end ("To").
    std::array<QComboBox*, 4> AnnualFrom{};  // DayComboBox, MonthComboBox, HourComboBox, MiniuteComboBox
    std::array<QComboBox*, 4> AnnualTo{};    // EDayComboBox, EMonthComboBox, EHourComboBox, EMiniuteComboBox
    // Repeating start: WeekComboBoxR, SWeekComboBox, MonthComboBoxR,
    // HourComboBoxR, MiniuteComboBoxR; end: EWeekComboBoxR, EWeekComboBox,
    // EMonthComboBoxR, EHourComboBoxR, EMiniuteComboBoxR.
    std::array<QComboBox*, 5> RepeatFrom{};
    std::array<QComboBox*, 5> RepeatTo{};
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* ModeRequest = nullptr;
    VnSNMPRequest2Edits* AnnualRequest = nullptr;
    VnSNMPRequest2Edits* RepeatRequest = nullptr;

    void FormCreate();
    void GetBtnClick();
    void SetBtnClick();
    void ComboBox1Change();
    void Edit1Change();

private:
    void BuildLayout();
    void Create();
    void Send();
    // Runs a step of the form's own (creating, Refresh, Set, the pair read
    // below); a read of the mode that ended during it without its pair gets
    // it afterwards.
    template <typename Body>
    void AsCommand(Body&& body);
    // Reads the mode, then the pair of the mode shown.
    void ReadModeAndPair();
    void ReadPair();
    // A read of the mode the form did not start (the binder's own, once
    // the switch answers after a set that timed out) is followed by the
    // pair, out of the read's completion and outside the form's commands.
    void ModeRead(const VnSNMPError& result);
    void ReadPairIfDue();
    // Refuses a start and end chosen in part, naming the blank lists.
    bool DatesWholeOrNone();
    void ShowAnnual(bool shown);
    void ShowRepeating(bool shown);
    void DisableLists();
    void ListsFromEdits();
    // The start and end into the hidden edits and out through `binder`.
    void SendPair(const QString& start, const QString& end, QLineEdit* startEdit, QLineEdit* endEdit,
                  VnSNMPRequest2Edits* binder);
    // Runs the event loop, without user input, until `binder` is idle.
    void WaitFor(VnSNMPRequest2Edits* binder) const;
    Mode ModeShown() const;

    std::array<QLabel*, 4> repeatLabels_{};  // "Week" and "Day of Week" of both groups
    QTimer* pairReadTimer_ = nullptr;        // posts ReadPairIfDue
    bool pairReadDue_ = false;
    bool inCommand_ = false;  // creating the form, or Refresh or Set under way
};

// Points at the dialog while it exists.
extern TSummerTimeConfigForm* SummerTimeConfigForm;

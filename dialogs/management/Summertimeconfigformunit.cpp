#include "Summertimeconfigformunit.h"

#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "TimeMib.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnMessages.h"
#include "VnOptionControls.h"
#include "VnOptionList.h"
#include "VnSNMPRequest2Edits.h"

TSummerTimeConfigForm* SummerTimeConfigForm = nullptr;

namespace {

using K = VnControlKind;

// A binder in this mode runs no request: the pair of the other mode is
// never read.
constexpr std::uint8_t kNoRequests = 0xFF;
constexpr int kWaitPollMs = 5;
// The first octet of a repeating start or end on the last week.
constexpr int kLastWeekStart = 0x00;
constexpr int kLastWeekEnd = 0xFF;

const VnBindingTable kModeBindings{
    .descriptors = SummerTimeModeTable,
    .rows = {{0, K::ComboBox, "ComboBox1"}, {1, K::Edits, "Edit1", "%s"}},
    .statusOutput = "Memo1",
};
const VnBindingTable kAnnualBindings{
    .descriptors = SummerTimeAnnualTable,
    .rows = {{0, K::Edits, "AnualTimeStartEdit", "%h"}, {1, K::Edits, "AnualTimeEndEdit", "%h"}},
};
const VnBindingTable kRepeatBindings{
    .descriptors = SummerTimeRepeatTable,
    .rows = {{0, K::Edits, "Edit2", "%h"}, {1, K::Edits, "Edit3", "%h"}},
};

// What the status lines name: the mode binder's two items, and the pair
// of either mode (the lists under "From" and "To").
constexpr const char* kModeCaption = "SummerTimeStatus and SummerTimeOffset";
constexpr const char* kPairCaption = "From and To dates";

// The offsets the list offers; another one the switch holds is shown as it
// stands.
const VnIntOption kOffsetOptions[] = {{30, "30"}, {60, "60"}, {90, "90"}, {120, "120"}, {0, nullptr}};

const VnOptionList& OffsetList()
{
    static const VnOptionList list(kOffsetOptions);
    return list;
}

const char* const kWeeks[] = {"First", "Second", "Third", "Fourth", "Last"};
const char* const kWeekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// Octet k of the text, two hex digits each; none when the text is too
// short or not hex.
std::optional<std::vector<int>> Octets(const QString& hex, int count)
{
    QString digits = hex;
    digits.remove(' ');
    if (digits.size() < 2 * count)
        return std::nullopt;
    std::vector<int> octets;
    for (int k = 0; k < count; ++k) {
        bool ok = false;
        const int octet = digits.mid(2 * k, 2).toInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        octets.push_back(octet);
    }
    return octets;
}

// The position of an octet in a list of `count` entries whose first entry
// stands for `first`; -1 when it is outside.
int Position(int octet, int first, int count)
{
    const int position = octet - first;
    return position >= 0 && position < count ? position : -1;
}

QString HexOf(std::initializer_list<int> octets)
{
    QString hex;
    for (int octet : octets)
        hex += QString("%1").arg(octet, 2, 16, QChar('0'));
    return hex;
}

bool AnyEmpty(const auto& positions)
{
    return std::any_of(positions.begin(), positions.end(), [](int p) { return p < 0; });
}

template <std::size_t N>
std::array<int, N> PositionsOf(const std::array<QComboBox*, N>& lists)
{
    std::array<int, N> positions{};
    for (std::size_t k = 0; k < N; ++k)
        positions[k] = lists[k]->currentIndex();
    return positions;
}

template <std::size_t N>
void ShowPositions(const std::array<QComboBox*, N>& lists, const std::array<int, N>& positions)
{
    for (std::size_t k = 0; k < N; ++k)
        lists[k]->setCurrentIndex(positions[k]);
}

void FillNumbers(QComboBox* list, int first, int last)
{
    for (int n = first; n <= last; ++n)
        list->addItem(QString::number(n));
}

// A date list as the form shows it: the label of its row in its group
// ('Minute in "To"').
QString ListName(QComboBox* list)
{
    auto* group = static_cast<QGroupBox*>(list->parentWidget());
    auto* grid = static_cast<QGridLayout*>(group->layout());
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(list), &row, &column, &rowSpan, &columnSpan);
    const auto* label = static_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget());
    return QString("%1 in \"%2\"").arg(label->text(), group->title());
}

// The longest a month gets; February has its 29th in a leap year.
int DaysIn(int month)
{
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

}  // namespace

bool VnAnnualDateExists(const VnAnnualPositions& p)
{
    if (AnyEmpty(p))
        return true;
    return p[0] + 1 <= DaysIn(p[1] + 1);
}

QString VnAnnualHex(const VnAnnualPositions& p)
{
    if (AnyEmpty(p))
        return {};
    return HexOf({p[0] + 1, p[1] + 1, p[2], p[3]});
}

QString VnRepeatHex(const VnRepeatPositions& p, bool end)
{
    if (AnyEmpty(p))
        return {};
    const int week = p[0] == kVnLastWeek ? (end ? kLastWeekEnd : kLastWeekStart) : p[0] + 1;
    return HexOf({week, 0, p[1] + 1, p[2] + 1, p[3], p[4]});
}

VnAnnualPositions VnAnnualFromHex(const QString& hex)
{
    const auto o = Octets(hex, 4);
    if (!o)
        return {-1, -1, -1, -1};
    return {Position((*o)[0], 1, 31), Position((*o)[1], 1, 12), Position((*o)[2], 0, 24), Position((*o)[3], 0, 60)};
}

VnRepeatPositions VnRepeatFromHex(const QString& hex, bool end)
{
    const auto o = Octets(hex, 6);
    if (!o)
        return {-1, -1, -1, -1, -1};
    const int first = (*o)[0];
    const int week = first == (end ? kLastWeekEnd : kLastWeekStart) ? kVnLastWeek : Position(first, 1, 4);
    return {week, Position((*o)[2], 1, 7), Position((*o)[3], 1, 12), Position((*o)[4], 0, 24),
            Position((*o)[5], 0, 60)};
}

TSummerTimeConfigForm::TSummerTimeConfigForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(SummerTimeConfigForm);
    setWindowTitle("Summer Time Configuration");
    BuildLayout();
    FormCreate();
}

void TSummerTimeConfigForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    QWidget* area = frame.EditArea("Panel1");
    Memo1 = frame.Memo("Memo1");
    GetBtn = frame.Button("GetBtn", "Refresh");
    SetBtn = frame.Button("SetBtn", "Set");

    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    auto* modeLine = new QWidget(area);
    VnFieldGrid mode(modeLine);
    ComboBox1 = mode.Add<QComboBox>(0, 0, "SummerTimeStatus", "ComboBox1");
    OffSetTimeComboBox = mode.Add<QComboBox>(0, 1, "SummerTimeOffset", "OffSetTimeComboBox");
    FillComboBox(OffsetList(), OffSetTimeComboBox);
    column->addWidget(modeLine);

    // The values the binders write, hidden.
    auto hidden = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->hide();
        return edit;
    };
    Edit1 = hidden("Edit1");
    AnualTimeStartEdit = hidden("AnualTimeStartEdit");
    AnualTimeEndEdit = hidden("AnualTimeEndEdit");
    Edit2 = hidden("Edit2");
    Edit3 = hidden("Edit3");

    auto* groups = new QHBoxLayout;
    struct Names {
        const char* caption;
        std::array<const char*, 4> annual;
        std::array<const char*, 5> repeat;
        const char* weekdayCaption;
    };
    const Names sides[] = {
        {"From",
         {"DayComboBox", "MonthComboBox", "HourComboBox", "MiniuteComboBox"},
         {"WeekComboBoxR", "SWeekComboBox", "MonthComboBoxR", "HourComboBoxR", "MiniuteComboBoxR"},
         "Day of Week"},
        {"To",
         {"EDayComboBox", "EMonthComboBox", "EHourComboBox", "EMiniuteComboBox"},
         {"EWeekComboBoxR", "EWeekComboBox", "EMonthComboBoxR", "EHourComboBoxR", "EMiniuteComboBoxR"},
         "Day Of Week"},
    };
    for (std::size_t side = 0; side < 2; ++side) {
        const Names& names = sides[side];
        auto* group = new QGroupBox(names.caption, area);
        auto* grid = new QGridLayout(group);
        auto list = [group](const char* name) {
            auto* combo = new QComboBox(group);
            combo->setObjectName(name);
            return combo;
        };
        std::array<QComboBox*, 4>& annual = side == 0 ? AnnualFrom : AnnualTo;
        std::array<QComboBox*, 5>& repeat = side == 0 ? RepeatFrom : RepeatTo;
        for (std::size_t k = 0; k < 4; ++k)
            annual[k] = list(names.annual[k]);
        for (std::size_t k = 0; k < 5; ++k)
            repeat[k] = list(names.repeat[k]);
        // Rows: week, weekday, day, month, hour, minute; the month, hour and
        // minute cells hold one list of each mode, one of them hidden.
        const char* captions[] = {"Week", names.weekdayCaption, "Day", "Month", "Hour", "Minute"};
        for (int row = 0; row < 6; ++row) {
            auto* label = new QLabel(captions[row], group);
            grid->addWidget(label, row, 0);
            if (row < 2)
                repeatLabels_[2 * side + static_cast<std::size_t>(row)] = label;
        }
        grid->addWidget(repeat[0], 0, 1);
        grid->addWidget(repeat[1], 1, 1);
        grid->addWidget(annual[0], 2, 1);
        for (std::size_t k = 1; k < 4; ++k) {
            grid->addWidget(annual[k], static_cast<int>(k) + 2, 1);
            grid->addWidget(repeat[k + 1], static_cast<int>(k) + 2, 1);
        }
        grid->setColumnStretch(1, 1);
        groups->addWidget(group);

        FillNumbers(annual[0], 1, 31);
        FillNumbers(annual[1], 1, 12);
        FillNumbers(annual[2], 0, 23);
        FillNumbers(annual[3], 0, 59);
        for (const char* week : kWeeks)
            repeat[0]->addItem(week);
        for (const char* day : kWeekdays)
            repeat[1]->addItem(day);
        FillNumbers(repeat[2], 1, 12);
        FillNumbers(repeat[3], 0, 23);
        FillNumbers(repeat[4], 0, 59);
        // Nothing chosen until a value is read.
        for (QComboBox* l : annual)
            l->setCurrentIndex(-1);
        for (QComboBox* l : repeat)
            l->setCurrentIndex(-1);
    }
    column->addLayout(groups, 1);
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));

    On(GetBtn, &QPushButton::clicked, [this] { GetBtnClick(); });
    On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
    On(ComboBox1, &QComboBox::activated, [this] { ComboBox1Change(); });
    On(Edit1, &QLineEdit::textChanged, [this] { Edit1Change(); });
    // The offset the user chooses is the one sent.
    On(OffSetTimeComboBox, &QComboBox::activated, [this] { Edit1->setText(OffSetTimeComboBox->currentText()); });
    pairReadTimer_ = new QTimer(this);
    pairReadTimer_->setSingleShot(true);
    On(pairReadTimer_, &QTimer::timeout, [this] { ReadPairIfDue(); });
}

template <typename Body>
void TSummerTimeConfigForm::AsCommand(Body&& body)
{
    {
        const QScopedValueRollback<bool> command(inCommand_, true);
        body();
    }
    // A read of the mode that ended meanwhile without its pair.
    if (pairReadDue_)
        pairReadTimer_->start(0);
}

void TSummerTimeConfigForm::FormCreate()
{
    AsCommand([this] { Create(); });
}

void TSummerTimeConfigForm::Create()
{
    SetTitle(kTitle);
    // Step E lands on the mode binder's status line, in the memo.
    OpenBinder(ModeRequest, kModeBindings, [this](VnSNMPRequest2Edits& binder) {
        binder.request.varList.caption = kModeCaption;
        binder.OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError& result) { ModeRead(result); };
    });
    SetErrorLanding(VnErrorLanding::StatusLine(ModeRequest));
    const auto noFirstRead = [](VnSNMPRequest2Edits& binder) {
        binder.mode = kNoRequests;
        binder.request.varList.caption = kPairCaption;
    };
    OpenBinder(AnnualRequest, kAnnualBindings, noFirstRead);
    OpenBinder(RepeatRequest, kRepeatBindings, noFirstRead);
    AnnualRequest->mode = VnSNMPRequest2Controls::kModeAsync;
    RepeatRequest->mode = VnSNMPRequest2Controls::kModeAsync;
    WaitFor(ModeRequest);
    ReadPair();
}

void TSummerTimeConfigForm::WaitFor(VnSNMPRequest2Edits* binder) const
{
    if (!binder->Busy())
        return;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [binder, &loop] {
        if (!binder->Busy())
            loop.quit();
    });
    poll.start(kWaitPollMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

TSummerTimeConfigForm::Mode TSummerTimeConfigForm::ModeShown() const
{
    return static_cast<Mode>(ComboBox1->currentIndex());
}

void TSummerTimeConfigForm::ReadModeAndPair()
{
    ModeRequest->Refresh();
    WaitFor(ModeRequest);
    ReadPair();
}

void TSummerTimeConfigForm::ModeRead(const VnSNMPError& result)
{
    if (result.code != kVnOk)
        return;
    pairReadDue_ = true;
    // Posted: the pair's read waits in an event loop of its own, which the
    // mode's completion must not run.
    if (!inCommand_)
        pairReadTimer_->start(0);
}

void TSummerTimeConfigForm::ReadPairIfDue()
{
    if (pairReadDue_ && !inCommand_)
        AsCommand([this] { ReadPair(); });
}

void TSummerTimeConfigForm::ReadPair()
{
    pairReadDue_ = false;
    if (IsClosed())
        return;
    switch (ModeShown()) {
    case kAnnual:
        AnnualRequest->Refresh();
        WaitFor(AnnualRequest);
        ShowRepeating(false);
        ShowAnnual(true);
        break;
    case kRepeating:
        RepeatRequest->Refresh();
        WaitFor(RepeatRequest);
        ShowAnnual(false);
        ShowRepeating(true);
        break;
    case kDisable:
        DisableLists();
        break;
    }
    ListsFromEdits();
}

void TSummerTimeConfigForm::ListsFromEdits()
{
    if (ModeShown() == kAnnual) {
        ShowPositions(AnnualFrom, VnAnnualFromHex(AnualTimeStartEdit->text()));
        ShowPositions(AnnualTo, VnAnnualFromHex(AnualTimeEndEdit->text()));
    }
    if (ModeShown() == kRepeating) {
        ShowPositions(RepeatFrom, VnRepeatFromHex(Edit2->text(), false));
        ShowPositions(RepeatTo, VnRepeatFromHex(Edit3->text(), true));
    }
}

void TSummerTimeConfigForm::ShowAnnual(bool shown)
{
    for (const auto* side : {&AnnualFrom, &AnnualTo}) {
        for (QComboBox* list : *side) {
            list->setVisible(shown);
            list->setEnabled(shown);
        }
    }
    // The day's label belongs to the annual lists only.
    for (QComboBox* day : {AnnualFrom[0], AnnualTo[0]}) {
        auto* grid = static_cast<QGridLayout*>(day->parentWidget()->layout());
        if (QLayoutItem* label = grid->itemAtPosition(2, 0))
            label->widget()->setVisible(shown);
    }
}

void TSummerTimeConfigForm::ShowRepeating(bool shown)
{
    for (const auto* side : {&RepeatFrom, &RepeatTo}) {
        for (QComboBox* list : *side) {
            list->setVisible(shown);
            list->setEnabled(shown);
        }
    }
    for (QLabel* label : repeatLabels_)
        label->setVisible(shown);
}

void TSummerTimeConfigForm::DisableLists()
{
    for (const auto* side : {&AnnualFrom, &AnnualTo}) {
        for (QComboBox* list : *side)
            list->setEnabled(false);
    }
    for (const auto* side : {&RepeatFrom, &RepeatTo}) {
        for (QComboBox* list : *side)
            list->setEnabled(false);
    }
}

void TSummerTimeConfigForm::GetBtnClick()
{
    if (!CommandAllowed())
        return;
    AsCommand([this] { ReadModeAndPair(); });
}

void TSummerTimeConfigForm::ComboBox1Change()
{
    switch (ModeShown()) {
    case kAnnual:
        ShowRepeating(false);
        ShowAnnual(true);
        break;
    case kRepeating:
        ShowAnnual(false);
        ShowRepeating(true);
        break;
    case kDisable:
        DisableLists();
        break;
    }
}

void TSummerTimeConfigForm::Edit1Change()
{
    // The offset as the switch holds it: a listed one selects its entry,
    // another is shown as it stands, none leaves the list without a choice.
    SelectComboBox(OffsetList(), OffSetTimeComboBox, Edit1->text().toStdString());
}

bool TSummerTimeConfigForm::DatesWholeOrNone()
{
    std::vector<QComboBox*> lists;
    if (ModeShown() == kAnnual) {
        lists.insert(lists.end(), AnnualFrom.begin(), AnnualFrom.end());
        lists.insert(lists.end(), AnnualTo.begin(), AnnualTo.end());
    }
    if (ModeShown() == kRepeating) {
        lists.insert(lists.end(), RepeatFrom.begin(), RepeatFrom.end());
        lists.insert(lists.end(), RepeatTo.begin(), RepeatTo.end());
    }
    std::vector<QComboBox*> blank;
    std::copy_if(lists.begin(), lists.end(), std::back_inserter(blank),
                 [](const QComboBox* list) { return list->currentIndex() < 0; });
    if (blank.empty() || blank.size() == lists.size())
        return true;
    QStringList names;
    for (QComboBox* list : blank)
        names << ListName(list);
    VnFieldMessage(this, QString(kDateInPart).arg(names.join(", ")), blank.front());
    return false;
}

void TSummerTimeConfigForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    AsCommand([this] { Send(); });
}

void TSummerTimeConfigForm::Send()
{
    // Dates chosen in part would go out in part, or not at all under a
    // mode that does go out: refused before anything is sent.
    if (!DatesWholeOrNone())
        return;
    // A date no year has is refused before the mode goes out.
    if (ModeShown() == kAnnual) {
        for (const auto* side : {&AnnualFrom, &AnnualTo}) {
            if (!VnAnnualDateExists(PositionsOf(*side))) {
                VnFieldMessage(this, QString(kNoSuchDate).arg((*side)[0]->currentText(), (*side)[1]->currentText()),
                               (*side)[0]);
                return;
            }
        }
    }
    if (OffSetTimeComboBox->currentIndex() < 0) {
        VnFieldMessage(this, kOffsetMissing, OffSetTimeComboBox);
        return;
    }
    {
        // An offset shown as the switch holds it is not the user's choice:
        // the mode goes out alone.
        VnAccessScope scope(ModeRequest->request.varList);
        if (VnComboShowsRawValue(OffSetTimeComboBox))
            scope.LeaveOut(kOffsetItem);
        if (!ModeRequest->Apply(true, true, {}, nullptr))
            return;
    }
    WaitFor(ModeRequest);
    // Closed meanwhile: nothing more goes out. Nor the dates of a mode the
    // switch refused, or did not answer in time: that stays the last word.
    if (IsClosed() || !ModeRequest->SetWentThrough())
        return;
    if (ModeShown() == kAnnual) {
        SendPair(VnAnnualHex(PositionsOf(AnnualFrom)), VnAnnualHex(PositionsOf(AnnualTo)), AnualTimeStartEdit,
                 AnualTimeEndEdit, AnnualRequest);
    }
    if (ModeShown() == kRepeating) {
        SendPair(VnRepeatHex(PositionsOf(RepeatFrom), false), VnRepeatHex(PositionsOf(RepeatTo), true), Edit2, Edit3,
                 RepeatRequest);
    }
}

void TSummerTimeConfigForm::SendPair(const QString& start, const QString& end, QLineEdit* startEdit,
                                     QLineEdit* endEdit, VnSNMPRequest2Edits* binder)
{
    // No list chosen: the pair as the switch holds it, nothing sent.
    if (start.isEmpty() || end.isEmpty()) {
        ReadPair();
        return;
    }
    startEdit->setText(start);
    endEdit->setText(end);
    // Its outcome on a line of its own after the mode's, naming the dates:
    // a refusal stays the last word.
    binder->SetStatusOutput(Memo1);
    binder->Apply(true, true, {}, nullptr);
    WaitFor(binder);
    binder->SetStatusOutput(nullptr);
    // The lists show what the switch holds, refused or not.
    ReadPair();
}

#include "Stackingportuitformunit.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "VnDialogContext.h"

namespace {

// The grid's font size in points; the box spacing follows from it.
constexpr int kGridPointSize = 8;

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The unit number of a row caption; 0 when it is not a plain number.
int UnitNumber(std::string_view text)
{
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, n);
    if (ec != std::errc() || ptr != end)
        return 0;
    return n;
}

}  // namespace

TStackingPortUitForm::TStackingPortUitForm(QWidget* owner) : QWidget(owner)
{
    QFont gridFont = font();
    gridFont.setPointSize(kGridPointSize);
    setFont(gridFont);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    UnitPageControl = new QTabWidget(this);
    UnitPageControl->setObjectName("UnitPageControl");
    layout->addWidget(UnitPageControl);
}

void TStackingPortUitForm::AddUnit(const QString& caption, int count, int columns)
{
    auto* page = new QWidget(this);
    pages_.push_back(page);
    const int index = UnitPageControl->addTab(page, caption);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* scrollBox = new QScrollArea(page);
    scrollBox->setWidgetResizable(true);
    scrollBox->setFrameShape(QFrame::NoFrame);
    pageLayout->addWidget(scrollBox);
    auto* area = new QWidget(scrollBox);

    if (VnDeviceInfoIniPresent())
        columns = kColumnsWithDeviceInfo;
    columns = std::max(columns, 1);
    const int s = area->font().pointSize() > 0 ? area->font().pointSize() : kGridPointSize;
    // The layout counts pixels of a 96 DPI screen, where the font's points
    // served as its unit; the boxes and their digits grow with the screen's
    // DPI, and so does the layout (a 40 pixel stride becomes 50 at 120).
    const double scale = area->logicalDpiX() / 96.0;
    const auto px = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
    std::vector<QCheckBox*> boxes;
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        auto* box = new QCheckBox(QString::number(i + 1), area);
        widest = std::max(widest, box->sizeHint().width());
        boxes.push_back(box);
    }
    // A font wider than the layout expects widens the columns rather than
    // letting a number run into the next box.
    const int stride = std::max(px(s * 5), widest);
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < count; ++i) {
        QCheckBox* box = boxes[static_cast<std::size_t>(i)];
        const int col = i % columns;
        const int row = i / columns;
        const int height = box->sizeHint().height();
        const int width = std::max(px(static_cast<int>(box->text().size()) * s + s * 3), box->sizeHint().width());
        box->setGeometry(stride * col + px(20), row * height + px(4), std::min(width, stride), height);
        box->hide();
        checkBoxes_.push_back(box);
        right = std::max(right, box->geometry().right());
        bottom = std::max(bottom, box->geometry().bottom());
    }
    area->setMinimumSize(right + 1, bottom + px(4));
    scrollBox->setWidget(area);
    // Every column stays in view; only the rows may scroll.
    scrollBox->setMinimumWidth(area->minimumWidth() + scrollBox->verticalScrollBar()->sizeHint().width());
    UnitPageControl->setTabVisible(index, false);
}

void TStackingPortUitForm::ShowUnit(std::string_view unitNumberText, std::string_view modelText, int portCount)
{
    const int n = UnitNumber(unitNumberText);
    if (n < 1 || n > static_cast<int>(pages_.size()))
        return;
    const int index = UnitPageControl->indexOf(pages_[static_cast<std::size_t>(n - 1)]);
    UnitPageControl->setTabVisible(index, true);
    UnitPageControl->setTabText(index, UnitPageControl->tabText(index) + " " +
                                           QString::fromUtf8(modelText.data(), static_cast<int>(modelText.size())));
    const int first = (n - 1) * kPortsPerUnit;
    const int last = std::min(first + std::clamp(portCount, 0, kPortsPerUnit), static_cast<int>(checkBoxes_.size()));
    for (int k = first; k < last; ++k)
        checkBoxes_[static_cast<std::size_t>(k)]->show();
}

QCheckBox* TStackingPortUitForm::Box(int unit, int port) const
{
    if (unit < 1 || unit > kUnits || port < 1 || port > kPortsPerUnit)
        return nullptr;
    const auto index = static_cast<std::size_t>(BoxIndex(unit, port));
    return index < checkBoxes_.size() ? checkBoxes_[index] : nullptr;
}

void TStackingPortUitForm::UncheckAll()
{
    for (QCheckBox* box : checkBoxes_)
        box->setChecked(false);
}

bool VnDeviceInfoIniPresent()
{
    return QFileInfo::exists(QStringLiteral("DeviceInfo.ini"));
}

std::string VnPortPositionsText()
{
    std::string text;
    for (int k = 0; k < TStackingPortUitForm::kBoxes; ++k) {
        if (k > 0)
            text += ',';
        text += std::to_string(k);
    }
    return text;
}

void VnAddStackUnits(TStackingPortUitForm& grid)
{
    for (int unit = 1; unit <= TStackingPortUitForm::kUnits; ++unit)
        grid.AddUnit(QStringLiteral("Unit%1").arg(unit), TStackingPortUitForm::kPortsPerUnit,
                     TStackingPortUitForm::kColumns);
}

QScrollArea* VnAddGridPage(QTabWidget* pages, const char* name, const QString& caption)
{
    auto* box = new QScrollArea(pages);
    box->setObjectName(name);
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    pages->addTab(box, caption);
    return box;
}

TStackingPortUitForm* VnEmbedPortGrid(QScrollArea* box, const char* name)
{
    auto* grid = new TStackingPortUitForm(box);
    grid->setObjectName(name);
    VnAddStackUnits(*grid);
    // The scroll area owns what it shows, and is as wide as a unit's columns.
    box->setWidget(grid);
    grid->show();
    box->setMinimumWidth(grid->minimumSizeHint().width() + box->verticalScrollBar()->sizeHint().width());
    return grid;
}

std::string VnShownModelName(const std::string& model)
{
    if (model == "RQ-4024S*")
        return "RQ-4024S";
    if (model == "RQ-6026R")
        return "RQ-6026S";
    return model;
}

void VnShowPresentUnits(const VnDialogContext& context, std::initializer_list<TStackingPortUitForm*> grids)
{
    if (!context.stackUnits)
        return;
    std::vector<VnStackUnitRow> rows = context.stackUnits();
    if (rows.empty() && context.refreshStackUnits) {
        context.refreshStackUnits();
        rows = context.stackUnits();
    }
    for (const VnStackUnitRow& row : rows) {
        if (EqualsIgnoringCase(row.modelName, kVnUnitNotConfigured))
            continue;
        int ports = context.portsPerUnitForModel ? context.portsPerUnitForModel(row.modelName) : 0;
        if (ports < 0 || ports > TStackingPortUitForm::kPortsPerUnit)
            ports = 0;
        const std::string shown = VnShownModelName(row.modelName);
        for (TStackingPortUitForm* grid : grids) {
            if (grid)
                grid->ShowUnit(row.unitId, shown, ports);
        }
    }
}

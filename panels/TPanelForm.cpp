#include "TPanelForm.h"

#include <QCloseEvent>
#include <QLabel>

#include "SwitchMib.h"
#include "VnException.h"
#include "VnModelFamily.h"
#include "VnPanelPictures.h"
#include "VnSNMPRequest2Leds.h"

namespace {

const VnSNMPVarDesc kLedStatusTable[] = {
    {kVnLedStatusOid, "swUnitMgmtFrontPanelLedStatus", VnSyntax::OctetStr, VnAccess::ReadOnly},
    {},
};

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Port strips alternate between the two maps on the 24-port models; the
// stack members use one map for all their strips; system and slot LEDs
// use map B, the modules map C.
const VnSNMPLedColorMapList& MapFor(const PanelLayout& layout, std::string_view container)
{
    if (layout.module)
        return LedColorMapC;
    if (!StartsWith(container, "LedPanel"))
        return LedColorMapB;
    const std::string_view model = layout.model;
    if (model == "RQ-6026S")
        return LedColorMapB;
    if (model == "RQ-6050S")
        return LedColorMapA;
    const bool oddStrip = (container.back() - '0') % 2 == 1;
    return oddStrip ? LedColorMapA : LedColorMapB;
}

// A module's two LEDs read the bytes of the host unit's slot ports.
std::string ModuleLedBytes(const std::string& hostModel, int led, std::string_view layoutBytes)
{
    switch (VnFamilyForModel(hostModel)) {
    case VnModelFamily::RQ6050S:
        return led == 0 ? "101" : "103";
    case VnModelFamily::RQ6026S:
        return led == 0 ? "53" : "55";
    default:
        return std::string(layoutBytes);
    }
}

// The module's ports follow the host's front ports.
int ModulePortBase(const std::string& hostModel)
{
    switch (VnFamilyForModel(hostModel)) {
    case VnModelFamily::RQ6050S:
        return 48;
    case VnModelFamily::RQ6026S:
        return 24;
    default:
        return 0;
    }
}

QRect ToQRect(const PanelRect& r)
{
    return {r.x, r.y, r.w, r.h};
}

} // namespace

const PanelLayout* VnFindPanelLayout(std::string_view model)
{
    for (const PanelLayout& layout : PanelLayouts()) {
        if (layout.model == model)
            return &layout;
    }
    return nullptr;
}

TPanelForm::TPanelForm(const PanelLayout& layout, QWidget* owner) : QWidget(owner), layout_(layout)
{
    setFixedSize(layout.width, layout.height);
    setObjectName(QString::fromUtf8(layout.model.data(), static_cast<int>(layout.model.size())));

    image1_ = new QLabel(this);
    image1_->setObjectName("Image1");
    image1_->setGeometry(0, 0, layout.width, layout.height);
    image1_->setPixmap(VnPanelPicture(objectName() + ".jpg"));

    if (layout.stackImage.w > 0) {
        stackImage_ = new QLabel(this);
        stackImage_->setObjectName("StackImage");
        stackImage_->setGeometry(ToQRect(layout.stackImage));
    }

    for (const LedContainerPlace& place : layout.containers) {
        auto* container = new QWidget(this);
        container->setObjectName(QString::fromUtf8(place.name.data(), static_cast<int>(place.name.size())));
        container->setGeometry(ToQRect(place.rect));
        containers_.emplace(std::string(place.name), container);
    }

    for (const PortButtonPlace& place : layout.buttons) {
        const int n = place.button > 0 ? place.button : (place.button == 0 ? 1 : 2);
        auto* button = new VnSpeedButton(this);
        button->setObjectName(place.button > 0 ? QStringLiteral("SpeedButton%1").arg(n)
                              : place.button == 0 ? QStringLiteral("SpeedButtonX")
                                                  : QStringLiteral("SpeedButtonY"));
        button->setGeometry(ToQRect(place.rect));
        buttons_.emplace(n, button);
    }
}

TPanelForm::~TPanelForm()
{
    FormClose();
}

void TPanelForm::SetupLeds(QWidget* statusOutput, const QPixmap* unitImage)
{
    CheckUnitNumber();
    auto leds = std::make_unique<VnSNMPRequest2Leds>(this);
    VnSNMPRequest& request = leds->request;
    request.varList = VnSNMPVarList(kLedStatusTable, MVT_SV, 0);
    request.timeout = kVnLedPollTimeout;
    request.varList.name = std::to_string(UnitNumber);
    request.varList.caption = kVnLedStatusCaption;

    int moduleLed = 0;
    for (const LedGroupPlace& group : layout_.leds) {
        const std::string bytes = layout_.module ? ModuleLedBytes(HostModel, moduleLed++, group.bytes)
                                                 : std::string(group.bytes);
        leds->BindLeds(0, bytes, MapFor(layout_, group.container), Container(std::string(group.container)),
                       group.left, group.spacing, 0, group.size, group.size);
    }
    leds->SetStatusOutput(statusOutput);
    leds_ = std::move(leds);

    if (stackImage_ && unitImage)
        stackImage_->setPixmap(*unitImage);
}

// The LED instance and the port ids are made from the unit number: one no
// stack has would read another object or give ids of no port.
void TPanelForm::CheckUnitNumber() const
{
    if (!VnIsStackUnitNumber(UnitNumber))
        throw VnException("Unit " + std::to_string(UnitNumber) + " is not a stack unit (1 to "
                          + std::to_string(kVnMaxStackUnits) + ")");
}

int TPanelForm::TagOf(int button) const
{
    const int base = (UnitNumber - 1) * kVnPortsPerUnitId;
    if (layout_.module)
        return base + ModulePortBase(HostModel) + button;
    for (const PortButtonPlace& place : layout_.buttons) {
        if (place.button == button)
            return base + place.port;
    }
    return base + button;
}

void TPanelForm::SetupButtons(VnPortButtonList& portButtons)
{
    CheckUnitNumber();
    for (const auto& [n, button] : buttons_) {
        button->Tag = TagOf(n);
        portButtons.append(button);
    }
}

void TPanelForm::StartPolling(int n)
{
    if (leds_)
        leds_->StartPolling(n);
}

void TPanelForm::FormClose()
{
    if (!leds_)
        return;
    leds_->StopPolling();
    leds_->request.keepGoing = false;
    leds_->StopAndWait(-1);
    leds_.reset();
}

void TPanelForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

VnSpeedButton* TPanelForm::SpeedButton(int n) const
{
    const auto it = buttons_.find(n);
    return it == buttons_.end() ? nullptr : it->second;
}

QWidget* TPanelForm::Container(const std::string& name) const
{
    const auto it = containers_.find(name);
    return it == containers_.end() ? nullptr : it->second;
}

TPanelRQ4124SForm::TPanelRQ4124SForm(QWidget* owner) : TPanelForm(*VnFindPanelLayout("RQ-4124S"), owner) {}
TPanelRQ4024TForm::TPanelRQ4024TForm(QWidget* owner) : TPanelForm(*VnFindPanelLayout("RQ-4024T"), owner) {}
TPanelRQ4024SForm::TPanelRQ4024SForm(QWidget* owner) : TPanelForm(*VnFindPanelLayout("RQ-4024S"), owner) {}
TPanelRQ6026SForm::TPanelRQ6026SForm(QWidget* owner) : TPanelForm(*VnFindPanelLayout("RQ-6026S"), owner) {}
TPanelRQ6050SForm::TPanelRQ6050SForm(QWidget* owner) : TPanelForm(*VnFindPanelLayout("RQ-6050S"), owner) {}
TfrmRM210X::TfrmRM210X(QWidget* owner) : TPanelForm(*VnFindPanelLayout("RM-210X"), owner) {}
TfrmRM210C::TfrmRM210C(QWidget* owner) : TPanelForm(*VnFindPanelLayout("RM-210C"), owner) {}

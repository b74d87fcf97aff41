#include "VnSNMPRequest2Leds.h"

#include <QFrame>

#include <algorithm>
#include <climits>
#include <exception>

#include "VnErrorLanding.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnNumList.h"
#include "VnOptionList.h"

VnSNMPRequest2Leds::VnSNMPRequest2Leds(QWidget* owner) : VnSNMPRequest2Controls(owner)
{
    // The timers die with the binder, so no tick can reach a freed one.
    QObject::connect(&pollTimer_, &QTimer::timeout, Context(), [this] { OnPollTimer(); });
    QObject::connect(&blinkTimer_, &QTimer::timeout, Context(), [this] { OnBlinkTimer(); });
    blinkTimer_.setInterval(kBlinkInterval);
    // A poll every few seconds is no work the user waits for.
    SetShowsWork(false);
}

VnSNMPRequest2Leds::~VnSNMPRequest2Leds()
{
    StopPolling();
    leds_.clear();
}

void VnSNMPRequest2Leds::BindLeds(int itemIndex, const std::string& byteList,
                                  const VnSNMPLedColorMapList& map, QWidget* panel, int left,
                                  int spacing, int shapeType, int width, int height)
{
    // Without a parent a shape would become a window of its own.
    if (!panel)
        VnRaise(kVnErrBadControlType);
    VnNumList<int> bytes;
    bytes.delimiter = ',';
    bytes.Parse(byteList);
    for (int k = 0; k < bytes.Count(); ++k) {
        auto* shape = new VnLedShape(panel, shapeType);
        shape->setGeometry((width + spacing) * k + left, 1, width, height);
        shape->show();
        AddLed(itemIndex, bytes[k], map, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel))
        frame->setFrameShape(QFrame::NoFrame);
}

void VnSNMPRequest2Leds::AddLed(int itemIndex, int byteIndex, const VnSNMPLedColorMapList& map,
                                VnLedShape* shape)
{
    if (!shape)
        VnRaise(kVnErrBadControlType);
    _LedBinding_s led;
    led.itemIndex = itemIndex;
    led.byteIndex = byteIndex;
    led.map = &map;
    led.shape = shape;
    led.color = map.OffColor();
    Paint(led, led.color);
    shape->show();
    leds_.push_back(led);
}

void VnSNMPRequest2Leds::StartPolling(int n)
{
    // A zero interval would fire on every pass of the event loop.
    if (n >= 1)
        pollTimer_.start(n > INT_MAX / 10 ? INT_MAX : n * 10);
    else
        pollTimer_.stop();
    // A restart after StopPolling blinks again, or blinking LEDs would
    // freeze in whichever phase a poll leaves them.
    blinkEnabled_ = true;
    TimeBlinking();
    Poll();
}

void VnSNMPRequest2Leds::StopPolling()
{
    pollTimer_.stop();
    blinkEnabled_ = false;
    blinkTimer_.stop();
    ResetLeds();
}

void VnSNMPRequest2Leds::ResetLeds()
{
    for (_LedBinding_s& led : leds_) {
        led.blink = false;
        led.color = led.map ? led.map->OffColor() : kVnColorBlack;
        Paint(led, led.color);
    }
}

void VnSNMPRequest2Leds::UpdateLed(_LedBinding_s& led)
{
    const VnSNMPVarList& list = request.varList;
    if (!led.map)
        VnRaise(kVnErrBadControlType);
    if (led.itemIndex < 0 || led.itemIndex >= list.Count())
        VnRaise(kVnErrIndexOutOfRange);
    const VnSNMPVarItem& item = list.Item(led.itemIndex);
    const std::string value = item.options ? item.options->ValueOfLabel(item.value) : item.value;
    const VnBytes bytes = ValueToBytes(value, item.syntax);
    if (led.byteIndex < 0 || static_cast<std::size_t>(led.byteIndex) >= bytes.size()) {
        if (led.map->AbsentColor() == kVnLedAbsentIsError)
            VnRaise(kVnErrIndexOutOfRange);
        led.color = led.map->AbsentColor();
        led.blink = false;
        return;
    }
    const std::uint8_t byte = bytes[static_cast<std::size_t>(led.byteIndex)];
    led.color = led.map->ColorOfByte(byte);
    led.blink = led.map->Blinks(byte);
}

void VnSNMPRequest2Leds::UpdateLeds()
{
    // Worked on a copy so that a failing LED leaves no half-updated panel.
    std::vector<_LedBinding_s> next = leds_;
    for (_LedBinding_s& led : next)
        UpdateLed(led);
    leds_.swap(next);
    TimeBlinking();
}

bool VnSNMPRequest2Leds::Settled() const
{
    const bool flashing = blinkCounter_ <= blinkLimit_ &&
                          std::any_of(leds_.begin(), leds_.end(), [](const _LedBinding_s& led) { return led.blink; });
    if (flashing)
        return false;
    return std::all_of(leds_.begin(), leds_.end(), [](const _LedBinding_s& led) {
        return !led.shape || (led.shape->Color() == led.color && !led.shape->isHidden());
    });
}

// The timer ticks only while a step would change what the LEDs show: a
// panel left alone then costs no wake-ups between its polls.
void VnSNMPRequest2Leds::TimeBlinking()
{
    if (!blinkEnabled_ || Settled()) {
        blinkTimer_.stop();
        return;
    }
    if (!blinkTimer_.isActive())
        blinkTimer_.start();
}

void VnSNMPRequest2Leds::BlinkStep()
{
    bool anyBlinking = false;
    for (_LedBinding_s& led : leds_) {
        if (!led.blink) {
            Paint(led, led.color);
        } else {
            anyBlinking = true;
            const std::uint32_t off = led.map ? led.map->OffColor() : kVnColorBlack;
            const bool showsOff = led.shape && led.shape->Color() == off;
            Paint(led, showsOff || blinkCounter_ > blinkLimit_ ? led.color : off);
        }
        if (led.shape && led.shape->isHidden())
            led.shape->show();
    }
    // Past the limit the count no longer matters; keep it from growing.
    if (anyBlinking && blinkCounter_ <= blinkLimit_)
        ++blinkCounter_;
    TimeBlinking();
}

void VnSNMPRequest2Leds::AddRow()
{
    blinkCounter_ = 0;
    try {
        UpdateLeds();
    } catch (...) {
        // A status the LEDs cannot show is shown as none.
        ResetLeds();
        throw;
    }
    BlinkStep();
}

void VnSNMPRequest2Leds::OnGetError(const VnSNMPError& result)
{
    ResetLeds();
    SetStatusTemplate(kVnStatusGet);
    ShowStatus(result.text);
}

void VnSNMPRequest2Leds::Poll()
{
    // A slow agent must not pile up polls on one variable list.
    if (Busy())
        return;
    try {
        Refresh();
    } catch (const VnException& e) {
        ResetLeds();
        throw VnException(e.what(), e.HelpContext());
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void VnSNMPRequest2Leds::OnPollTimer()
{
    if (Busy())
        return;
    // A failed poll shows no colours; the next tick tries again.
    const VnErrorLanding landing = VnErrorLanding::Call([this](const std::string& message) {
        ResetLeds();
        SetStatusTemplate(kVnStatusGet);
        ShowStatus(message);
    });
    VnGuarded(landing, [this] { Refresh(); });
}

void VnSNMPRequest2Leds::OnBlinkTimer()
{
    // Painting raises nothing of ours; a tick is not worth a message.
    VnGuarded(VnErrorLanding::Silent(), [this] { BlinkStep(); });
}

void VnSNMPRequest2Leds::Paint(_LedBinding_s& led, std::uint32_t color)
{
    if (led.shape)
        led.shape->SetColor(color);
}

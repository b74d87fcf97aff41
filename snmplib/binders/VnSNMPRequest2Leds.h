#pragma once
// The LEDs of a front panel: one octet-string variable of the switch holds
// one byte per LED; the binder polls it with a timer, colours each LED from
// its byte through a colour map, and lets LEDs whose byte carries the blink
// bit flash for a moment after every poll.
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

#include "VnLedShape.h"
#include "VnSNMPLedColorMapList.h"
#include "VnSNMPRequest2Controls.h"

// One LED.
struct _LedBinding_s {
    int itemIndex = 0;
    int byteIndex = 0;  // into the item's byte form
    const VnSNMPLedColorMapList* map = nullptr;
    QPointer<VnLedShape> shape;  // owned by its panel
    bool blink = false;
    std::uint32_t color = 0;     // what the LED's byte asks for
};

class VnSNMPRequest2Leds : public VnSNMPRequest2Controls {
public:
    static constexpr int kBlinkInterval = 60;  // milliseconds
    static constexpr int kBlinkLimit = 6;

    // Blinking is on from here on; the poll timer waits for StartPolling.
    explicit VnSNMPRequest2Leds(QWidget* owner);
    ~VnSNMPRequest2Leds() override;

    // Creates one row of LEDs on `panel`, one per number of the comma-
    // separated `byteList`, the k-th at x = (width + spacing) * k + left,
    // y = 1. Raises -521 without a panel.
    void BindLeds(int itemIndex, const std::string& byteList, const VnSNMPLedColorMapList& map,
                  QWidget* panel, int left, int spacing, int shapeType, int width, int height);
    // Appends one LED and paints it in the map's off colour. Raises -521
    // without a shape.
    void AddLed(int itemIndex, int byteIndex, const VnSNMPLedColorMapList& map, VnLedShape* shape);

    // Polls every n x 10 ms and once at once (an n below 1 polls once only).
    // The poll's failure to send is raised to the caller.
    void StartPolling(int n);
    // Stops both timers for good and turns the LEDs off.
    void StopPolling();
    // Every LED to its map's off colour, not blinking.
    void ResetLeds();

    // Sets one LED's colour and blink flag from the item's current value
    // (the shapes are painted by BlinkStep). A byte missing from the value
    // gives the map's absent colour, or raises -519 when that is
    // kVnLedAbsentIsError; so does an item index outside the list.
    virtual void UpdateLed(_LedBinding_s& led);
    // UpdateLed for every LED; when one raises, no LED has changed.
    void UpdateLeds();
    void BlinkStep();
    // A Refresh, skipped while the previous one is under way. A failure to
    // send turns the LEDs off and is raised again.
    void Poll();
    void OnPollTimer();
    void OnBlinkTimer();

    const std::vector<_LedBinding_s>& Leds() const { return leds_; }
    int BlinkCounter() const { return blinkCounter_; }
    int PollInterval() const { return pollTimer_.interval(); }
    bool Polling() const { return pollTimer_.isActive(); }
    // Whether blinking is on (from construction or StartPolling until
    // StopPolling); its timer ticks only while some LED has steps left.
    bool Blinking() const { return blinkEnabled_; }
    bool BlinkTimerRunning() const { return blinkTimer_.isActive(); }

protected:
    void AddRow() override;
    void OnGetError(const VnSNMPError& result) override;

private:
    void Paint(_LedBinding_s& led, std::uint32_t color);
    // Whether a blink step would leave every LED as it is.
    bool Settled() const;
    void TimeBlinking();

    std::vector<_LedBinding_s> leds_;
    QTimer pollTimer_;
    QTimer blinkTimer_;
    bool blinkEnabled_ = true;
    int blinkLimit_ = kBlinkLimit;
    int blinkCounter_ = 0;
};

#pragma once
// A front-panel form: the picture of one stack unit (or plug-in module)
// with its port buttons, its LED containers and the LED binder that polls
// the unit's LED status. Every model is one layout table (PanelLayout.h);
// the classes named after the models are thin classes over this one.
#include <QList>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

#include "PanelLayout.h"
#include "VnSpeedButton.h"

class QLabel;
class QPixmap;
class VnSNMPRequest2Leds;

// The unit's LED status: one byte per LED; the instance is the unit number.
inline constexpr const char* kVnLedStatusOid = "1.3.6.1.4.1.88406.12.11.1.9.4.1.6";
inline constexpr const char* kVnLedStatusCaption = " Led Status";
inline constexpr int kVnLedPollTimeout = 300;  // hundredths of a second
inline constexpr int kVnLedPollPeriod = 300;   // n x 10 ms
// A stack holds units 1 to 12; port ids are (unit - 1) x 64 + port.
inline constexpr int kVnMaxStackUnits = 12;
inline constexpr int kVnPortsPerUnitId = 64;

// Whether `unit` is a unit number a stack can have.
inline bool VnIsStackUnitNumber(long long unit) { return unit >= 1 && unit <= kVnMaxStackUnits; }

using VnPortButtonList = QList<QPointer<VnSpeedButton>>;

class TPanelForm : public QWidget {
public:
    // Unit panels 780 x 89, module panels 202 x 67; controls at the
    // layout's places. `owner` is the parent until the device view places it.
    TPanelForm(const PanelLayout& layout, QWidget* owner);
    // Runs FormClose.
    ~TPanelForm() override;

    const PanelLayout& Layout() const { return layout_; }
    bool IsModule() const { return layout_.module; }

    // Set by the device view before the set-ups; the set-ups refuse a
    // number outside 1 to kVnMaxStackUnits.
    int UnitNumber = 0;
    // The host unit's model text (module panels).
    std::string HostModel;

    // Creates the LED binder over the unit's LED status, binds the LEDs and
    // names `statusOutput` (the main window's status panel 0) for its
    // status lines; draws `unitImage` into the unit picture where the model
    // has one. Raises what the binder raises.
    void SetupLeds(QWidget* statusOutput, const QPixmap* unitImage);
    // Gives the port buttons their Tags and appends them to `portButtons`.
    // Raises for a unit number no stack has.
    void SetupButtons(VnPortButtonList& portButtons);
    // Polls every n x 10 ms; a failure to send is raised.
    void StartPolling(int n);
    // Stops polling, waits for a poll under way and frees the binder.
    void FormClose();

    VnSNMPRequest2Leds* LedBinder() const { return leds_.get(); }
    // SpeedButton<n>; modules: 1 is SpeedButtonX, 2 SpeedButtonY. Null
    // when there is no such button.
    VnSpeedButton* SpeedButton(int n) const;
    VnSpeedButton* SpeedButtonX() const { return SpeedButton(1); }
    VnSpeedButton* SpeedButtonY() const { return SpeedButton(2); }
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    // A LED container by its name ("LedPanel1", "pLedPort2"), or null.
    QWidget* Container(const std::string& name) const;
    QLabel* Image1() const { return image1_; }
    QLabel* StackImage() const { return stackImage_; }

    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CheckUnitNumber() const;
    int TagOf(int button) const;

    const PanelLayout& layout_;
    QLabel* image1_ = nullptr;
    QLabel* stackImage_ = nullptr;
    std::map<int, VnSpeedButton*> buttons_;
    std::map<std::string, QWidget*, std::less<>> containers_;
    std::unique_ptr<VnSNMPRequest2Leds> leds_;
};

// The layout of a model's unit panel ("RQ-4024S" ...) or a module
// ("RM-210X", "RM-210C"); null for an unknown name.
const PanelLayout* VnFindPanelLayout(std::string_view model);

class TPanelRQ4124SForm : public TPanelForm {
public:
    explicit TPanelRQ4124SForm(QWidget* owner);
};

class TPanelRQ4024TForm : public TPanelForm {
public:
    explicit TPanelRQ4024TForm(QWidget* owner);
};

class TPanelRQ4024SForm : public TPanelForm {
public:
    explicit TPanelRQ4024SForm(QWidget* owner);
};

class TPanelRQ6026SForm : public TPanelForm {
public:
    explicit TPanelRQ6026SForm(QWidget* owner);
};

class TPanelRQ6050SForm : public TPanelForm {
public:
    explicit TPanelRQ6050SForm(QWidget* owner);
};

class TfrmRM210X : public TPanelForm {
public:
    explicit TfrmRM210X(QWidget* owner);
};

class TfrmRM210C : public TPanelForm {
public:
    explicit TfrmRM210C(QWidget* owner);
};

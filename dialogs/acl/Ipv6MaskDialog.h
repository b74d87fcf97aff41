#pragma once
// IPv6 masks: class, flow label, source and/or destination address under
// a 128-bit mask. Set never changes a row's status. The port form starts
// with its combo boxes preset and asks for each choice on Add; the CPU
// filter's starts without choices and leaves an unchosen one out of Add.
#include "MaskDialogBase.h"

class TIPv6MaskDialog : public TMaskDialogBase {
public:
    enum Item { kId, kClass, kFlowLabel, kMaskState, kSourceMask, kDestinationMask, kRowStatus };

    QPushButton* btnRefresh = nullptr;
    QPushButton* btnModify = nullptr;  // "Set"
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QLineEdit* edtIPv6MaskID = nullptr;
    QComboBox* cbxClass = nullptr;
    QComboBox* cbxFlowLabel = nullptr;
    QComboBox* cbxIPv6MaskState = nullptr;
    QLineEdit* edtIPv6SrcMask = nullptr;
    QLineEdit* edtIPv6DstMask = nullptr;
    QComboBox* cbxRowStatus = nullptr;

    void SetCommand() override;
    void AddCommand() override;

    static constexpr const char* kIdMissing = "IPv6 Mask ID must be set.";
    static constexpr const char* kCpuIdMissing = "CPU IPv6 Mask ID must be set.";
    static constexpr const char* kIdTaken =
        "There is already a record with the same IPv6 Mask ID. Please modify it.";
    static constexpr const char* kChooseClass = "Please choose Class.";
    static constexpr const char* kChooseFlowLabel = "Please choose Flow Label.";
    static constexpr const char* kChooseMaskState = "Please choose IPv6 Address Mask State.";
    static constexpr const char* kDestinationMissing = "IPv6 Destination Address Mask should not be null.";
    static constexpr const char* kSourceMissing = "IPv6 Source Address Mask should not be null.";
    static constexpr const char* kNotCreateAndGo = "Row Status must be createAndGo.";

protected:
    TIPv6MaskDialog(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant);
    void ClearEdits() override;

private:
    // The choices and the masks the state compares; false after the
    // message of the first that fails.
    bool CheckChoices();
    bool CheckAddInput();
    bool CheckModifyInput();
};

#pragma once
// User-defined masks: five 16-byte masks over the packet's bytes 0 to 79.
// A port profile takes at most four of them; the CPU filter's any number.
// The empty ones are never sent; a mask of 32 zeros is.
#include <array>

#include "MaskDialogBase.h"

class QLabel;

class TUserMaskDialog : public TMaskDialogBase {
public:
    enum Item { kId, kChunk0, kChunk1, kChunk2, kChunk3, kChunk4, kRowStatus };

    QPushButton* GetButton = nullptr;
    QPushButton* OperButton = nullptr;  // "Edit"
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QLabel* Static = nullptr;  // the row count, kept hidden
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit5 = nullptr;  // bytes 0 to 15
    QLineEdit* Edit3 = nullptr;  // 16 to 31
    QLineEdit* Edit4 = nullptr;  // 32 to 47
    QLineEdit* Edit6 = nullptr;  // 48 to 63
    QLineEdit* Edit7 = nullptr;  // 64 to 79
    QComboBox* ComboBox1 = nullptr;

    void SetCommand() override;
    void AddCommand() override;

    static constexpr const char* kIdMissing = "Mask Entry ID must be set.";
    static constexpr const char* kIdTaken = "Mask Entry ID must be different.";
    static constexpr const char* kNotCreateAndGo = "Row State must be createAndGo.";
    static constexpr const char* kTooManyChunks = "The offset number is too much.";

protected:
    TUserMaskDialog(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant);
    void ClearEdits() override;

private:
    maskcolumns::Chunks Chunks() const;
    std::array<QLineEdit*, 5> ChunkFields() const { return {Edit5, Edit3, Edit4, Edit6, Edit7}; }
};

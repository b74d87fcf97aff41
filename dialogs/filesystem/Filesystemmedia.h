#pragma once
// The media of the switch's flash file system: the media table, and the
// format of drive c: with FAT16, followed by the waiting form.
#include <QString>

#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;
class VnStatusBar;

class TMediaInfoForm : public TDialogBase {
public:
    static constexpr int kWidth = 544;
    static constexpr int kHeight = 375;

    TMediaInfoForm(QWidget* owner, const VnDialogContext& context);

    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QPushButton* BtnGet = nullptr;
    QPushButton* BtnOper = nullptr;  // "Format"
    QPushButton* BtnExit = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void BtnGetClick();
    void BtnOperClick();
    // Format only on a row with a drive name.
    void FollowSelection();
};

class TMediaFormatForm : public TDialogBase {
public:
    static constexpr int kWidth = 284;
    static constexpr int kHeight = 244;

    // Items of the format scalars.
    enum Item { kDrive, kFat, kLabel, kType, kActivity };
    static constexpr const char* kWaitEndedText =
        "The wait was ended by the user: the switch may still be formatting.";

    TMediaFormatForm(QWidget* owner, const VnDialogContext& context);

    QLineEdit* edtDriveName = nullptr;
    QLineEdit* edtFileSystemType = nullptr;
    QLineEdit* edtLabel = nullptr;
    QComboBox* cbxStyle = nullptr;
    QComboBox* cbxDriveName = nullptr;    // hidden
    QComboBox* cbxFileSysType = nullptr;  // hidden
    QComboBox* cbxOper = nullptr;         // hidden
    QPushButton* btnOper = nullptr;       // "Start"
    QPushButton* btnClose = nullptr;
    VnStatusBar* StatusBar1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void btnOperClick();
    QString PanelText() const;

private:
    void Remember();
    void PutBack();
    void SetPanel(const QString& text);

    int rememberedDrive_ = -1;
    int rememberedFat_ = -1;
    int rememberedStyle_ = -1;
    QString rememberedLabel_;
};

extern TMediaInfoForm* MediaInfoForm;
extern TMediaFormatForm* MediaFormatForm;

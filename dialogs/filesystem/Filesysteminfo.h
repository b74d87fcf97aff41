#pragma once
// One directory of the switch's flash file system, and the starting point
// of the operations on it: make or delete a directory, rename, delete or
// copy a file. Opened by the target-directory dialog once the switch lists
// that directory; after each operation the directory is set again and read
// afresh (after a failed one without lines of their own unless they fail:
// the failure stays the memo's last word).
#include <QString>

#include "TDialogBase.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TFileOperationForm;
class VnSNMPRequest2Edits;
class VnStatusPanel;
struct VnSNMPError;

class TFileSystemInforForm : public TDialogBase {
public:
    static constexpr int kWidth = 544;
    static constexpr int kHeight = 375;

    // Items of the listing.
    enum Item { kName, kAttribute, kTime };

    // `currentDirectory`: the directory the switch lists (upper case).
    TFileSystemInforForm(QWidget* owner, const VnDialogContext& context, const QString& currentDirectory);

    QString CurrentDirectory;

    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QPushButton* BtnGet = nullptr;
    QPushButton* btn_Command_md = nullptr;
    QPushButton* btn_Command_rd = nullptr;
    QPushButton* btn_Command_ren = nullptr;
    QPushButton* btn_Command_del = nullptr;
    QPushButton* btn_Command_copy = nullptr;
    QPushButton* btnClose = nullptr;
    QLineEdit* edtTargetDirey = nullptr;  // hidden: the path the path binder sets

    VnSNMPRequest2Edits* PathRequest = nullptr;
    VnSNMPRequest2Edits* ListRequest = nullptr;

    void BtnGetClick();
    // The entry commands follow the selected entry.
    void FollowSelection();
    void btn_Command_mdClick();
    void btn_Command_rdClick();
    void btn_Command_renClick();
    void btn_Command_delClick();
    void btn_Command_copyClick();

private:
    void BuildLayout();
    void FormCreate();
    // Opens `form` modally in its mode; `pathEdit` (when given) gets the
    // selected entry's full path; then the directory is set again and read.
    void RunOperation(TFileOperationForm& form, QLineEdit* pathEdit, const char* noSelection);
    bool SetDirectoryAgain();
    // The directory set and read again with their lines kept out of the
    // memo, a failure's line excepted.
    void ReadAgainQuietly();
    // The end of that read: its line into the memo when it failed.
    void EndQuietRead(const VnSNMPError* result);

    VnStatusPanel* quietLine_ = nullptr;  // hidden: the lines kept out
    bool quietRead_ = false;
};

extern TFileSystemInforForm* FileSystemInforForm;

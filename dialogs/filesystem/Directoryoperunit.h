#pragma once
// Makes (mode 1 and 11) or deletes (2 and 12) one directory of the switch's
// flash file system. Modes 1 and 2 come from the listing.
#include "TFileOperationForm.h"

class TDirectoryForm : public TFileOperationForm {
public:
    static constexpr int kWidth = 356;
    static constexpr int kHeight = 97;

    TDirectoryForm(QWidget* owner, const VnDialogContext& context, int mode, TFileSystemInforForm* listing = nullptr);

    QLineEdit* edtDirectory = nullptr;
    bool Ready = false;  // the operation binder is built and bound

    bool Make() const { return Mode % 10 == 1; }
    void btnSetClick();

protected:
    void FormActivate() override;
};

extern TDirectoryForm* DirectoryForm;

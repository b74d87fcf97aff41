#pragma once
// Asks for the directory of the switch's flash file system to list, sets it
// as the switch's listed directory and, on success, opens the listing.
#include "TFileOperationForm.h"

class TTargetDirectoryForm : public TFileOperationForm {
public:
    static constexpr int kWidth = 365;
    static constexpr int kHeight = 97;

    TTargetDirectoryForm(QWidget* owner, const VnDialogContext& context);

    QLineEdit* edtDirectory = nullptr;

    void btnConfirmClick();

protected:
    void FormActivate() override;

private:
    void ShowListing(const QString& path);
};

extern TTargetDirectoryForm* TargetDirectoryForm;

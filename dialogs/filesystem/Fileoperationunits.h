#pragma once
// The file dialogs of the switch's flash file system: delete (modes 4 and
// 14), rename within its directory (3 and 13) and copy (5 and 15). The
// listing opens them in modes 3 to 5 with the selected file's path filled
// in; the source is never typed.
#include "TFileOperationForm.h"

class TFileDeleteForm : public TFileOperationForm {
public:
    static constexpr int kWidth = 359;
    static constexpr int kHeight = 102;

    TFileDeleteForm(QWidget* owner, const VnDialogContext& context, int mode, TFileSystemInforForm* listing = nullptr);

    QLineEdit* edtDeleteFile = nullptr;

    void btnOperClick();

protected:
    void FormActivate() override;
};

// Rename and copy: a source, a target and an activity sent together.
class TFileMoveForm : public TFileOperationForm {
public:
    QLineEdit* edtSourceFile = nullptr;
    QLineEdit* edtTargetFile = nullptr;

    void btnOperClick();

protected:
    struct Kind {
        const VnSNMPVarDesc* objects;
        const char* phrase;
        const char* sourceMissing;  // check 1
        bool rename;                // underscore allowed, stays in its directory
        int pauseMs;
    };
    TFileMoveForm(QWidget* owner, const VnDialogContext& context, int width, int height, int mode,
                  TFileSystemInforForm* listing, const Kind& kind);
    void FormActivate() override;

private:
    // The checks; false (after the message) when one fails.
    bool Checked(const QString& source, const QString& target);

    Kind kind_;
};

class TFileRenameForm : public TFileMoveForm {
public:
    static constexpr int kWidth = 378;
    static constexpr int kHeight = 115;
    TFileRenameForm(QWidget* owner, const VnDialogContext& context, int mode, TFileSystemInforForm* listing = nullptr);
};

class TFileCopyForm : public TFileMoveForm {
public:
    static constexpr int kWidth = 373;
    static constexpr int kHeight = 108;
    TFileCopyForm(QWidget* owner, const VnDialogContext& context, int mode, TFileSystemInforForm* listing = nullptr);
};

extern TFileDeleteForm* FileDeleteForm;
extern TFileRenameForm* FileRenameForm;
extern TFileCopyForm* FileCopyForm;

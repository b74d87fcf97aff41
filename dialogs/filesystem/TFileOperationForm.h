#pragma once
// What the file-system operation dialogs share: the mode they were opened
// in, the operation binder over their own objects, a status binder made
// anew for each attempt, and the sequence of one attempt: one set, a short
// pause, one read of the control status, a verdict and its result line.
// The result lines go to the listing's memo in the listing modes (1 to 5;
// the dialog then closes) and to the first panel of StatusBar2 otherwise.
#include <QPointer>
#include <QString>

#include <memory>

#include "Filesysteminfo.h"
#include "TDialogBase.h"
#include "VnFileSystemRules.h"
#include "VnSNMPVarList.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class VnFieldGrid;
class VnSNMPRequest2Edits;
class VnStatusBar;

class TFileOperationForm : public TDialogBase {
public:
    // What one dialog's operation is.
    struct Operation {
        const VnSNMPVarDesc* objects;
        const char* phrase;      // "Creating directory "
        VnStatusWording wording;
        int pauseMs;
        // Where the exception line of the listing modes ends in
        // " met error." instead of carrying the message.
        enum class ShortLine { Never, SetOnly, Always } shortLine = ShortLine::Never;
    };

    static constexpr int kListingModeLast = 5;
    // Follows the result line of a set that timed out.
    static constexpr const char* kMayStillComplete =
        " The switch may still carry out the operation; the directory listing shows the outcome.";

    int Mode = 0;
    // The listing the dialog was opened from (listing modes only).
    QPointer<TFileSystemInforForm> Listing;

    QLabel* StatusLabel = nullptr;   // hidden: the control status
    QLabel* ProcessLabel = nullptr;  // hidden: the process value
    QComboBox* cbxOper = nullptr;    // hidden: the activity, where there is one
    VnStatusBar* StatusBar1 = nullptr;  // hidden: the binders' own lines
    VnStatusBar* StatusBar2 = nullptr;  // the result lines (main-menu modes)
    QPushButton* btnOper = nullptr;
    QPushButton* btnClose = nullptr;

    VnSNMPRequest2Edits* OperRequest = nullptr;

    ~TFileOperationForm() override;

    bool ListingMode() const { return Mode >= 1 && Mode <= kListingModeLast; }
    // The text of the first panel of StatusBar2.
    QString ResultPanelText() const;
    // Whether the last result said the operation failed (or could not be
    // made): the listing then keeps it the last word of its memo.
    bool OperationFailed() const { return failed_; }

protected:
    TFileOperationForm(QWidget* owner, const VnDialogContext& context, int width, int height, int mode);

    // The frame: the fields' area (returned), the note, the hidden labels,
    // the buttons and both status bars. `okName` names the OK button.
    VnFieldGrid& BuildFrame(const char* okName, const char* closeName);
    // The set-up of the first showing.
    virtual void FormActivate() = 0;
    void showEvent(QShowEvent* event) override;

    // Builds the operation binder over `objects` with the path edits
    // (format "%s{lN}") and, when `withActivity`, the last item on cbxOper;
    // routes its lines by the mode. An exception lands as `landing`.
    bool OpenOperation(const VnSNMPVarDesc* objects, const std::vector<std::pair<QLineEdit*, const char*>>& edits,
                       bool withActivity);

    // Steps set to result: `path` is what the result line shows.
    // True when the switch reported "finish".
    bool RunOperation(const Operation& operation, const QString& path);
    // A result line where the mode routes it; in the listing modes an
    // exception's message goes first and the dialog closes.
    void Report(const QString& line, const QString& exceptionMessage = {});
    // A failure of the set-up alone: the listing's memo or StatusBar2.
    void ReportLine(const QString& line);

    // A path longer than its edit takes is refused whole, never cut: the
    // edit only stops typing, and a text set by the program would go out.
    bool FitsEdit(const QString& text, int maxLength, QLineEdit* edit);
    // True when `path`, ignoring case, is `directoryPart` + a listed entry.
    bool IsListed(const QString& directoryPart, const QString& path) const;

    VnFieldGrid* fields_ = nullptr;

private:
    void ShowLine(const QString& line);
    void FocusFirstPath();

    std::unique_ptr<VnFieldGrid> grid_;
    std::unique_ptr<VnSNMPRequest2Edits> statusRequest_;
    bool activated_ = false;
    bool failed_ = false;
};

// The directory part of a path: up to and including its last backslash.
QString VnDirectoryPart(const QString& path);

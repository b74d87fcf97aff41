#pragma once
// The shell of every generic MIB editor the menu opens. One form holds one
// scalar editor, one table editor, or a page control of scalar editors,
// built over binders the command prepares; the form owns those binders. It
// refreshes the one in view once it is on screen and on every page change,
// and closing it stops every binder, waits until each is idle and deletes it.
//
// Use (a menu command):
//   auto* form = new TConfigForm(mainWindow);
//   auto binder = std::make_unique<VnSNMPRequest2Edits>(form);
//   binder->request.varList = VnSNMPVarList(table, MVT_FMV, 1);  // + target
//   TSNMPListViewPanel* panel = form->SetListViewPanel(std::move(binder), 3, "createAndGo", 3, "destroy");
//   panel->SetVarFormat(0, "%u{n1x4094}");
//   form->setWindowTitle(title + ": " + address);   // the caption
//   form->resize(form->width(), 450);                // size = client area
//   form->exec();
//   delete form;
// Every builder raises VnException on misuse; the binder handed to a call
// that raises is released with it. A command that fails deletes the form:
// nothing is refreshed then. A command's own close work connects to
// QDialog::finished, which comes after the form's FormClose.
#include <QDialog>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class VnSNMPRequest2Edits;

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    // The posted event that starts the first refresh (window message 34002).
    static constexpr int kRefreshMessage = 34002;
    static constexpr std::uint8_t kTypeNone = 0;
    static constexpr std::uint8_t kTypeEditor = 1;
    static constexpr std::uint8_t kTypeListView = 2;
    static constexpr std::uint8_t kTypePages = 3;

    explicit TConfigForm(QWidget* owner = nullptr);
    ~TConfigForm() override;

    std::uint8_t FormType() const { return formType_; }
    // The owned binders, in the order their panels were added; in a page
    // form the index of a binder is its page's index. Empty after closing.
    const std::vector<std::unique_ptr<VnSNMPRequest2Edits>>& Requests() const { return requests_; }
    QTabWidget* PageControl() const { return pageControl_; }
    VnSNMPRequest2Edits* ActiveRequest() const { return activeRequest_; }

    TSNMPEditorPanel* SetEditorPanel(std::unique_ptr<VnSNMPRequest2Edits> request);
    // A null value offers no Add (no Delete) button; callers pass column -1.
    TSNMPListViewPanel* SetListViewPanel(std::unique_ptr<VnSNMPRequest2Edits> request, int addStatusColumn,
                                         const char* addStatusValue, int deleteStatusColumn,
                                         const char* deleteStatusValue);
    void SetPageMode();
    TSNMPEditorPanel* AddEditorPage(const QString& caption, std::unique_ptr<VnSNMPRequest2Edits> request);

    // The builders behind the calls above; `container` is the form or a page.
    TSNMPEditorPanel* AddEditorPanel(QWidget* container, std::unique_ptr<VnSNMPRequest2Edits> request);
    TSNMPListViewPanel* AddListViewPanel(QWidget* container, std::unique_ptr<VnSNMPRequest2Edits> request,
                                         int addStatusColumn, const char* addStatusValue,
                                         int deleteStatusColumn, const char* deleteStatusValue);

    // The first read has ended and the panels are fitted to what it
    // brought: the form keeps its size until the user's next step.
    bool Settled() const;

    // Refreshes the binder in view; its failures go to its status output.
    void Refresh();
    void PageControlChange(int index);
    void OnRefreshMessage();
    // Stops, awaits and deletes every binder. Runs once, from done();
    // calling it again does nothing.
    void FormClose();

    // Every way of closing (Close button, Esc, the window's close box)
    // ends here: the binders are stopped and awaited first.
    void done(int result) override;

protected:
    bool event(QEvent* event) override;  // the form's Dispatch
    void showEvent(QShowEvent* event) override;

private:
    void RequireNoType();
    void GrowClientTo(QWidget* widget);
    void DetachPanels();

    std::uint8_t formType_ = kTypeNone;
    std::vector<std::unique_ptr<VnSNMPRequest2Edits>> requests_;
    QTabWidget* pageControl_ = nullptr;
    VnSNMPRequest2Edits* activeRequest_ = nullptr;
    bool refreshPosted_ = false;
    bool firstReadStarted_ = false;
    bool closing_ = false;
    bool closed_ = false;
};

#pragma once
// The about box. Shift+Alt+F3 on its OK button shows the build's full
// version text.
#include <QDialog>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
public:
    explicit TAboutForm(QWidget* owner = nullptr);
    ~TAboutForm() override;

    QLabel* SRiImage = nullptr;
    QLabel* SRImage = nullptr;
    QLabel* ManagementModuleLabel = nullptr;
    QLabel* VersionLabel = nullptr;
    QLabel* CopyrightLabel = nullptr;
    QPushButton* BT_Ok = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate();
};

extern TAboutForm* AboutForm;

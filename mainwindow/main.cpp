// The module as the host starts it: one agent, given on the command line.
#include <QApplication>

#include <exception>
#include <string>
#include <vector>

#include "TForm1.h"
#include "TMainForm.h"
#include "SwitchMib.h"
#include "VnMessageBox.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    VnSetModuleName(QString::fromLatin1(ModuleModel));
    const std::vector<std::string> parameters(argv + 1, argv + argc);
    try {
        auto* mainForm = new TMainForm(parameters, nullptr, VnFirstBuild::AfterFirstPaint);
        mainForm->setAttribute(Qt::WA_DeleteOnClose);
        if (mainForm->TerminateRequested()) {
            delete mainForm;
            return 0;
        }
        TForm1 form1;
        Form1 = &form1;
        mainForm->show();
        app.exec();
        Form1 = nullptr;
    } catch (const std::exception& e) {
        MainForm = nullptr;
        VnMessageBox(nullptr, QString::fromStdString(e.what()), VnMsgButtons::Ok, VnMsgIcon::Error);
    }
    return 0;
}

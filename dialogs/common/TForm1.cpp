#include "TForm1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form1");
    resize(295, 98);
}

void TForm1::RequestDone(QObject*)
{
    idle = true;
    done = true;
}

#include "VnRequestFlags.h"

#include "TForm1.h"

std::shared_ptr<TForm1> VnRequestFlags()
{
    if (Form1)
        return std::shared_ptr<TForm1>(Form1, [](TForm1*) {});
    return std::make_shared<TForm1>();
}

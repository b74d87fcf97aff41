#pragma once
// The request flags the GARP and port capability dialogs share: Form1's
// while the program has made it, else a pair of the dialog's own (a dialog
// opened without the program around it, as in the tests).
#include <memory>

class TForm1;

std::shared_ptr<TForm1> VnRequestFlags();

#pragma once
// Runs the body of a slot or event handler so that no exception leaves it.
#include <QString>

#include <exception>
#include <string>

#include "VnMessageBox.h"
#include "VnMessages.h"

// Shows what was raised in a message box over `owner`, as the application's
// default handler would have.
template <typename Body>
void VnGuardSlot(QWidget* owner, Body&& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        VnMessageBox(owner, QString::fromUtf8(e.what()));
    } catch (...) {
        VnMessageBox(owner, QString::fromStdString(VnErrorText(kVnErrUnknown)));
    }
}

// Drops whatever was raised without a word.
template <typename Body>
void VnQuietSlot(Body&& body)
{
    try {
        body();
    } catch (...) {
    }
}

#pragma once
// What a widget test that measures pixels knows of its screen and font.
#include <QGuiApplication>
#include <QScreen>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "VnTestFont.h"

// The screen's logical DPI; a run for large fonts names the DPI its screen
// must have (VN_EXPECTED_DPI), so that a wrong set-up fails instead of
// measuring the other case twice.
inline int VnTestScreenDpi()
{
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    if (qEnvironmentVariableIsSet("VN_EXPECTED_DPI"))
        EXPECT_EQ(dpi, qEnvironmentVariableIntValue("VN_EXPECTED_DPI"));
    return dpi;
}

// The test font at another size while it lives, then the one before.
class VnScopedTestFont {
public:
    explicit VnScopedTestFont(qreal pointSize) : saved_(QApplication::font())
    {
        QFont font = VnTestFont();
        font.setPointSizeF(pointSize);
        QApplication::setFont(font);
    }
    ~VnScopedTestFont() { QApplication::setFont(saved_); }
    VnScopedTestFont(const VnScopedTestFont&) = delete;
    VnScopedTestFont& operator=(const VnScopedTestFont&) = delete;

private:
    QFont saved_;
};

#pragma once
// A front-panel port button: a flat, checkable tool button that stays down
// while it is the selected port, and carries its port identifier as Tag.
#include <QToolButton>

class VnSpeedButton : public QToolButton {
public:
    explicit VnSpeedButton(QWidget* parent = nullptr);

    // (unit - 1) x 64 + port.
    int Tag = 0;

    bool Down() const { return isChecked(); }
    // Changing it by program emits no click.
    void SetDown(bool down) { setChecked(down); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

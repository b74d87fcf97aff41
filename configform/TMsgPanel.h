#pragma once
// The 50-pixel strip under a work control holding the memo into which a
// binder writes its status lines.
#include <QFrame>
#include <QPlainTextEdit>

class TMsgPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 50;

    explicit TMsgPanel(QWidget* owner);

    QPlainTextEdit* Memo;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

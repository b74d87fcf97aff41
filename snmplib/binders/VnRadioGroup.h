#pragma once
// A group box of radio buttons chosen by item index, one button per item
// text. A change of the item index by the program emits the button group's
// idToggled, as a click does; only a user's click also emits idClicked.
#include <QButtonGroup>
#include <QGroupBox>
#include <QString>
#include <QStringList>

class QRadioButton;
class QVBoxLayout;

class VnRadioGroup : public QGroupBox {
public:
    explicit VnRadioGroup(QWidget* parent = nullptr);
    explicit VnRadioGroup(const QString& title, QWidget* parent = nullptr);

    QStringList Items() const;
    int Count() const;
    void AddItem(const QString& text);
    void SetItems(const QStringList& texts);
    // Removes every button; no item is selected afterwards.
    void ClearItems();

    // -1 when no button is checked.
    int ItemIndex() const;
    // -1 (or less) unchecks every button; an index past the last item
    // selects the last one.
    void SetItemIndex(int index);
    // The selected item's text, empty when none is selected.
    QString SelectedText() const;

    QButtonGroup* Buttons() { return &buttons_; }
    QRadioButton* Button(int index) const;

private:
    QVBoxLayout* layout_;
    QButtonGroup buttons_;
};

#pragma once

#include <QGroupBox>

class QButtonGroup;
class QGridLayout;

// A captioned group of radio buttons with one selected item index, or -1 for
// none. itemIndexChanged fires whenever the selection really changes, whether
// the user clicked or the program set it.
class RadioGroup final : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns = 1, QWidget* parent = nullptr);

    int itemIndex() const { return m_index; }
    void setItemIndex(int index);
    int count() const;

Q_SIGNALS:
    void itemIndexChanged(int index);

private:
    QButtonGroup* m_buttons;
    int m_index = -1;
};

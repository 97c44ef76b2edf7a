#pragma once

#include <QLabel>
#include <QTimer>

// Date and time of the status bar; a double click is a command of its own.
class ClockLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClockLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showNow();

    QTimer m_refresh;
};

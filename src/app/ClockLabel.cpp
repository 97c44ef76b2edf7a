#include "ClockLabel.h"

#include <QDateTime>

ClockLabel::ClockLabel(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    connect(&m_refresh, &QTimer::timeout, this, &ClockLabel::showNow);
    m_refresh.start(1000);
    showNow();
}

void ClockLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void ClockLabel::showNow()
{
    setText(QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yy  HH:mm:ss")));
}

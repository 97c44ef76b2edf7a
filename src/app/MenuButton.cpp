#include "MenuButton.h"

#include <QEvent>
#include <QMenu>
#include <QStyle>

MenuButton::MenuButton(QMenu* menu, QWidget* parent)
    : QToolButton(parent)
{
    // The menu's own action: its commands' shortcuts then work wherever the
    // button is, the menu closed, and the title's "&" gives the button its mnemonic.
    QAction* opener = menu->menuAction();
    opener->setIconText(menu->title());
    setDefaultAction(opener);
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

QString MenuButton::commandsText() const
{
    QStringList lines;
    for (const QAction* command : defaultAction()->menu()->actions()) {
        if (command->isSeparator() || !command->isVisible())
            continue;
        const QString shortcut = command->shortcut().toString(QKeySequence::NativeText);
        QString line = command->text().remove(u'&');
        if (!shortcut.isEmpty())
            line += u'\t' + shortcut;
        lines.append(line);
    }
    return lines.join(u'\n');
}

QSize MenuButton::sizeHint() const
{
    QSize hint = QToolButton::sizeHint();
    hint.rwidth() += style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, this);
    return hint;
}

bool MenuButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        setToolTip(commandsText());
    return QToolButton::event(event);
}

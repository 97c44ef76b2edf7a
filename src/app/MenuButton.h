#pragma once

#include <QToolButton>

class QMenu;

// A button that opens a menu at once, captioned with the menu's title and
// its mnemonic. Its tooltip names every command of the menu with its
// shortcut, whatever commands the menu holds at the time.
class MenuButton final : public QToolButton {
    Q_OBJECT
public:
    explicit MenuButton(QMenu* menu, QWidget* parent = nullptr);

    QString commandsText() const;

    // With room for the arrow that marks the menu, which the style draws over the caption.
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
};

#pragma once

#include <QListWidget>

// The hidden list of the panel's notification channels restored from an
// image: one entry (text and channel identifier) per channel, in the order
// added. While it has entries, changing the channel choice asks first.
class ChListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit ChListBox(QWidget* parent = nullptr);

    void addEntry(const QString& text, int kind);
    int entryKind(int row) const;

    // The list text of a channel identifier; empty for one that is not listed.
    static QString channelText(int kind);
};

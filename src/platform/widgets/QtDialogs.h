#pragma once

#include "Dialogs.h"

class QWidget;

class QtDialogs final : public Dialogs {
public:
    // Boxes and dialogs are modal to the parent once it is set.
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer message(const Message& message) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::optional<QString> choosePort() override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QWidget* m_parent = nullptr;
};

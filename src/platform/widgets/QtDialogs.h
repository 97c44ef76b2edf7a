#pragma once

#include "Dialogs.h"

#include <QLocale>

class QWidget;

class QtDialogs final : public Dialogs {
public:
    // Boxes and dialogs are modal to the parent once it is set.
    void setParent(QWidget* parent) { m_parent = parent; }
    // The language of the dialogs' words and figures (sizes, dates), apart
    // from the locale the pages use for their numbers.
    void setLocale(const QLocale& locale) { m_locale = locale; }

    Answer message(const Message& message) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::optional<QString> choosePort() override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QWidget* m_parent = nullptr;
    QLocale m_locale{QLocale::Russian, QLocale::Russia};
};

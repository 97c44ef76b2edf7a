#pragma once

#include "ChannelsSheet.h"
#include "ConfigImage.h"
#include "GeneralPage.h"
#include "ScriptedDialogs.h"

#include <QLineEdit>
#include <QTest>

// The general page with its hidden channel sheet, answered by scripted dialogs.
struct GeneralPageHarness {
    ScriptedDialogs dialogs;
    ConfigImage image;
    QWidget window;
    ChannelsSheet* sheet = new ChannelsSheet(&window);
    GeneralPage* page = new GeneralPage(image, dialogs, *sheet, &window);

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    void show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
};

// Clicks a check box on its indicator, where a user aims.
inline void clickBox(QWidget* box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
}

// Types text key by key as a user would; any character, Cyrillic included.
inline void typeText(QWidget* field, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

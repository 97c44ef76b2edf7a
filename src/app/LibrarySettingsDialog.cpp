#include "LibrarySettingsDialog.h"

#include "Dialogs.h"
#include "LibrarySettings.h"
#include "VersionRecorder.h"
#include "VersionRecording.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

LibrarySettingsDialog::LibrarySettingsDialog(Preferences& preferences, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_preferences(preferences)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("LibrarySettingsDialog"));
    setWindowTitle(tr("Настройки библиотеки"));
    const LibrarySettings settings(m_preferences);

    m_url = new QLineEdit(settings.urlText());
    m_url->setObjectName(QStringLiteral("LibraryUrlEdit"));
    m_url->setPlaceholderText(LibraryUrl::defaultLibrary().text());
    m_url->setMinimumWidth(360);
    m_operator = new QLineEdit(settings.operatorText());
    m_operator->setObjectName(QStringLiteral("LibraryOperatorEdit"));
    m_operator->setPlaceholderText(VersionRecorder::loginName());
    m_recording = new QCheckBox(tr("Записывать в библиотеку каждое чтение и запись ППК"));
    m_recording->setObjectName(QStringLiteral("LibraryRecordingBox"));
    m_recording->setChecked(settings.recording());

    auto* form = new QFormLayout;
    form->addRow(tr("&Библиотека:"), m_url);
    form->addRow(tr("&Оператор:"), m_operator);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &LibrarySettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LibrarySettingsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_recording);
    layout->addWidget(buttons);
}

void LibrarySettingsDialog::accept()
{
    const LibraryResult<LibraryUrl> url = LibraryUrl::parse(m_url->text().trimmed());
    if (!url) {
        m_dialogs.message(Dialogs::Message::error(
            tr("Библиотека не выбрана: %1").arg(url.error), VersionRecording::caption()));
        m_url->setFocus();
        return;
    }
    LibrarySettings settings(m_preferences);
    settings.setUrlText(m_url->text());
    settings.setOperatorText(m_operator->text());
    settings.setRecording(m_recording->isChecked());
    QDialog::accept();
}

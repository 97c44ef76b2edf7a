#include "PanelDetailsForm.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <class Field>
Field* field(const char* name)
{
    auto* widget = new Field;
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

PanelDetailsForm::PanelDetailsForm(QWidget* parent)
    : QWidget(parent)
    , m_name(field<QLineEdit>("LibraryName"))
    , m_address(field<QLineEdit>("LibraryAddress"))
    , m_contact(field<QLineEdit>("LibraryContact"))
    , m_notes(field<QPlainTextEdit>("LibraryNotes"))
    , m_save(new QPushButton(tr("Сохранить")))
{
    m_save->setObjectName(QStringLiteral("LibrarySave"));
    m_notes->setTabChangesFocus(true);
    auto* form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Объект:"), m_name);
    form->addRow(tr("А&дрес:"), m_address);
    form->addRow(tr("&Контакт:"), m_contact);
    form->addRow(tr("&Заметки:"), m_notes);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form, 1);
    layout->addWidget(m_save, 0, Qt::AlignRight);
    connect(m_save, &QPushButton::clicked, this, &PanelDetailsForm::saveWanted);
    showDetails(std::nullopt);
}

void PanelDetailsForm::showDetails(const std::optional<PanelDetails>& details)
{
    const PanelDetails shown = details.value_or(PanelDetails{});
    m_name->setText(shown.name);
    m_address->setText(shown.address);
    m_contact->setText(shown.contact);
    m_notes->setPlainText(shown.notes);
    setEnabled(details.has_value());
}

DetailsChange PanelDetailsForm::change() const
{
    return {m_name->text().trimmed(), m_address->text().trimmed(), m_contact->text().trimmed(),
            m_notes->toPlainText().trimmed()};
}

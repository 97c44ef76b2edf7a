#include "PagesChange.h"

#include "Comparison.h"
#include "Dialogs.h"
#include "FieldCatalogue.h"
#include "FieldTie.h"
#include "FieldTransfer.h"
#include "PagesImage.h"

namespace {

Dialogs::Message refusal(const QString& text, const QString& caption)
{
    return Dialogs::Message::error(text, caption);
}

// The fields the pages must show as the change left them: those taken and those carried along.
QList<const CatalogueField*> changedFields(QList<const CatalogueField*> fields, const FieldTransfer::Result& change)
{
    for (const FieldTie* tie : change.carried) {
        if (!fields.contains(tie->follower))
            fields.append(tie->follower);
    }
    return fields;
}

} // namespace

PagesChange::PagesChange(ConfigImage& image, Dialogs& dialogs, Build build, ConfigFiles::Pages restore)
    : m_image(image)
    , m_dialogs(dialogs)
    , m_build(std::move(build))
    , m_restore(std::move(restore))
{
}

QStringList PagesChange::lostTexts(const PagesImage& pages, const QList<const CatalogueField*>& fields)
{
    QStringList lines;
    for (const CatalogueField* field : FieldCatalogue::everyField()) {
        const std::optional<QString> text = pages.unreadableText(*field);
        if (!text || fields.contains(field))
            continue;
        lines << (text->isEmpty() ? tr("«%1»: поле пусто").arg(field->fullCaption())
                                  : tr("«%1»: «%2»").arg(field->fullCaption(), *text));
    }
    return lines;
}

std::optional<PagesChange::Taken> PagesChange::take(const ConfigImage& source,
                                                    const QList<const CatalogueField*>& fields,
                                                    const QString& caption)
{
    const PagesImage before = m_build();
    // Restoring the pages from the image would put nothing where these are.
    if (const QStringList lost = lostTexts(before, fields); !lost.isEmpty()) {
        m_dialogs.message(refusal(tr("Значения не взяты: на страницах есть то, что не войдёт в конфигурацию "
                                     "и пропало бы:\n%1\nИсправьте эти поля или отметьте их, чтобы взять их значения.")
                                      .arg(lost.join(u'\n')),
                                  caption));
        return std::nullopt;
    }

    FieldTransfer::Result change = FieldTransfer::take(before.image, source, fields, false);
    if (!change.brokenTie && change.verdict.outcome == ImageChecks::Verdict::Outcome::Declined) {
        const ImageChecks::Message& question = change.verdict.message;
        if (m_dialogs.message(Dialogs::Message::question(question.text, question.caption)) != Dialogs::Answer::Yes)
            return std::nullopt;
        change = FieldTransfer::take(before.image, source, fields, true);
    }
    if (const FieldTie* tie = change.brokenTie) {
        m_dialogs.message(refusal(tr("Значения не взяты.\n%1").arg(tie->refusalText()), caption));
        return std::nullopt;
    }
    if (!change.accepted()) {
        m_dialogs.message(refusal(change.verdict.message.text, change.verdict.message.caption));
        return std::nullopt;
    }

    restore(change.image);
    const PagesImage after = m_build();
    QStringList notShown;
    for (const CatalogueField* field : changedFields(fields, change)) {
        if (!after.unreadableText(*field) && field->bytesOf(after.image) == field->bytesOf(change.image))
            continue;
        notShown << tr("«%1»: взято «%2», страницы показывают «%3»")
                        .arg(field->fullCaption(), Comparison::shownValue(*field, change.image),
                             Comparison::pagesValue(after, *field));
    }
    if (!notShown.isEmpty()) {
        restore(before.image);
        m_dialogs.message(refusal(tr("Значения не взяты: страницы не могут показать их такими, какими они взяты, "
                                     "и остались прежними.\n%1")
                                      .arg(notShown.join(u'\n')),
                                  caption));
        return std::nullopt;
    }

    m_before = before.image;
    m_after = after.image;
    Taken taken;
    for (const FieldTie* tie : change.carried)
        taken.carried << tie->carriedText();
    return taken;
}

bool PagesChange::undo(const QString& caption)
{
    if (!m_before)
        return false;
    if (m_build().image != m_after) {
        const auto answer = m_dialogs.message(Dialogs::Message::question(
            tr("Страницы изменились после того, как значения были взяты. Вернуть страницы такими, какими они были "
               "до этого? Изменения, сделанные после, пропадут."),
            caption, Dialogs::Icon::Warning, Dialogs::Answer::No));
        if (answer != Dialogs::Answer::Yes)
            return false;
    }
    restore(*m_before);
    m_before.reset();
    return true;
}

void PagesChange::restore(const ConfigImage& image)
{
    m_image = image;
    m_restore.makeVerSimReadOnly();
    m_restore.restore();
}

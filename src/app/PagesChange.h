#pragma once

#include "ConfigFiles.h"
#include "ConfigImage.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

class Dialogs;
struct CatalogueField;
struct PagesImage;

// Chosen fields of another configuration taken onto the pages, the rest of
// the pages kept: the pages are built into the window's image, the fields
// taken into it, and the pages restored from it as "Загрузить" restores them,
// so that they show what the configurator itself could have written. A field
// the pages cannot show as it was taken leaves the pages as they were. The
// last take can be undone.
class PagesChange final {
    Q_DECLARE_TR_FUNCTIONS(PagesChange)

public:
    // How the pages are built quietly, and restored as a load restores them.
    using Build = std::function<PagesImage()>;

    PagesChange(ConfigImage& image, Dialogs& dialogs, Build build, ConfigFiles::Pages restore);

    // What a take changed besides the fields taken: the fields tied to them.
    struct Taken {
        QStringList carried;
    };

    // The fields of `source` onto the pages. A refusal shows its box under
    // `caption` and leaves the pages as they were: a tie the change would
    // break, a check of "Записать" the result fails (its question about an
    // empty balance request asked), a text on the pages that the image cannot
    // hold and would be lost, or a field the pages cannot show as taken.
    std::optional<Taken> take(const ConfigImage& source, const QList<const CatalogueField*>& fields,
                              const QString& caption);

    bool canUndo() const { return m_before.has_value(); }
    // The pages back as they were built before the last take; when they have
    // changed since, only once the user agrees to lose that. True when they went back.
    bool undo(const QString& caption);
    // A new comparison: the last take is no longer to be undone.
    void forget() { m_before.reset(); }

private:
    // The texts on the pages that the image cannot hold, outside `fields`: a
    // line each, empty when there is none.
    static QStringList lostTexts(const PagesImage& pages, const QList<const CatalogueField*>& fields);
    void restore(const ConfigImage& image);

    ConfigImage& m_image;
    Dialogs& m_dialogs;
    Build m_build;
    ConfigFiles::Pages m_restore;
    std::optional<ConfigImage> m_before;   // the pages built before the last take
    ConfigImage m_after;                   // and after it
};

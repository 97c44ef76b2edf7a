#pragma once

#include <QList>
#include <QString>

#include <functional>

class ConfigImage;
struct CatalogueField;

// Two fields that the configurator's pages keep together: they write one from
// the other, so that a change of one alone would not be what the window writes.
struct FieldTie {
    enum class Kind {
        Derived,  // the follower is always written from the leader
        Copied,   // a change of the leader is copied into the follower, which may then differ
    };

    const CatalogueField* leader;
    const CatalogueField* follower;
    quint32 followerBits;   // the bits of the follower that the tie governs
    Kind kind;
    QString rule;           // what the pages do, after "<follower> follows <leader>: "
    const char* shownRule;  // the same in the window's words, untranslated (context "FieldTie")
    // The follower's governed bits as the pages write them, from the image's leader.
    std::function<quint32(const ConfigImage&)> derived;

    quint32 governed(const ConfigImage& image) const;
    bool holds(const ConfigImage& image) const;
    // Writes the follower's governed bits from the leader; its other bits stay.
    void carry(ConfigImage& image) const;

    // In the window's words, the fields named by their captions: why a change
    // that breaks the tie is refused, and what changed along with the leader.
    QString refusalText() const;
    QString carriedText() const;

    static const QList<FieldTie>& all();
};

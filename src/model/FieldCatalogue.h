#pragma once

#include "ConfigImage.h"

#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// How a field's bytes read.
enum class FieldKind {
    Number,      // unsigned little-endian, shown times `scale`
    HexAccount,  // unsigned little-endian, shown as four upper-case hexadecimal digits
    Chars,       // Windows-1251 characters up to the first zero
    Ipv4,        // four numbers, dotted, lowest offset first
    TextSlot,    // 30 units of TextCode
    Bits,        // a set of named bits, and at most one named code
    Reserved,    // never written by the editor and never read by it
};

// One entry of the catalogue: a run of image bytes with the names the pages give it.
struct CatalogueField {
    QString key;      // stable English key: "sms.phones[3]", "zones[Z3].sensitivity_ms"
    QString page;     // the page's caption as its tab shows it
    QString section;  // the group box, sub-page or grid row of the page; empty when none
    QString caption;  // the field's caption as the page shows it
    int offset = 0;   // 1-based position of the first byte, as the transfers count
    int size = 0;     // bytes
    FieldKind kind = FieldKind::Reserved;

    // Number: the shown value is the stored one times this (5 s units of the siren time).
    int scale = 1;
    // Number: names of particular stored values, for showing only.
    QList<std::pair<quint32, QString>> valueNames;
    // Bits: the name of bit i, empty where the bit has none.
    QStringList bitNames;
    // Bits: the bits that together hold one code (a zone's type) rather than
    // flags, and the name of each code value; code 0 and empty names mean none.
    quint32 codeMask = 0;
    QStringList codeNames;
    // Chars: the field holds all its bytes, a zero inside reading as a blank
    // (the SMS phones, where the builder stores a typed blank as zero).
    bool zeroIsBlank = false;

    ImageLayout::Field layoutField() const { return {offset - 1, size}; }
    // The section and the caption, as a list of fields from several sections names one.
    QString fullCaption() const { return section.isEmpty() ? caption : section + QStringLiteral(" — ") + caption; }
    QByteArray bytesOf(const ConfigImage& image) const { return image.bytes().mid(offset - 1, size); }
    // The largest value the field's bytes hold, before scaling (Number, HexAccount, Bits).
    quint32 largestStored() const { return size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1; }
};

namespace FieldCatalogue {

// Every byte of the image in exactly one entry, in image order.
const QList<CatalogueField>& fields();
// The same entries, as pointers into fields().
const QList<const CatalogueField*>& everyField();

// The captions of the pages the entries are on, in the order of the window's tabs.
const QStringList& pages();

// The entries grouped as the pages show them: pages in the order of the
// window's tabs, a page's sections in the image order of their first entry,
// and the entries of a section in the order given.
QList<const CatalogueField*> inPageOrder(const QList<const CatalogueField*>& fields);

// The entry with this key, or nullptr.
const CatalogueField* find(const QString& key);

// The keys of values nearest to one that is not known, nearest first: for a
// message that suggests what was meant.
QStringList nearestKeys(const QString& key, int count);

// A bit or code name as the pages show it, in the user's language; the entries
// and the JSON form keep the names in the source language.
QString shownName(const QString& name);

// The value as the pages show it: the siren time in seconds, the sensitivity
// in ms, a zone's type as its named marks; reserved ranges as hexadecimal bytes.
QString displayValue(const CatalogueField& field, const ConfigImage& image);

// A value typed as displayValue shows it, as the JSON form carries it: a
// number or a named value of a number, a text, dotted address, named bits
// separated by commas. Whether it fits the field is FieldValue::write's to
// judge; only what cannot be a value of the field at all is refused here.
std::optional<QJsonValue> valueOfDisplay(const CatalogueField& field, const QString& text, QString& error);

} // namespace FieldCatalogue

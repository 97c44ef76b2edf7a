#pragma once

#include "ConfigImage.h"

#include <QList>
#include <QString>
#include <QStringList>

// How a field's bytes read.
enum class FieldKind {
    Number,      // unsigned little-endian, shown times `scale`
    HexAccount,  // unsigned little-endian, shown as upper-case hexadecimal digits
    Chars,       // Windows-1251 characters up to the first zero
    Ipv4,        // four numbers, dotted, lowest offset first
    TextSlot,    // 30 units of TextCode
    Bits,        // a set of named bits
    Reserved,    // never written by the editor: zero unless the panel put something there
};

// One entry of the catalogue: a run of image bytes with the names the pages give it.
struct CatalogueField {
    QString key;      // stable English key: "sms.phones[3]", "zones[Z3].sensitivity_ms"
    QString page;     // the page's caption as its tab shows it
    QString section;  // the group box or grid of the page
    QString caption;  // the field's caption as the page shows it
    int offset = 0;   // 1-based position of the first byte, as the transfers count
    int size = 0;     // bytes
    FieldKind kind = FieldKind::Reserved;
    int scale = 1;           // Number: the shown value is the stored one times this
    QStringList bitNames;    // Bits: name of bit i, empty where the bit has no name

    ImageLayout::Field layoutField() const { return {offset - 1, size}; }
    // The largest value the field's bytes can hold, before scaling (Number, HexAccount, Bits).
    quint32 largestStored() const { return size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1; }
};

namespace FieldCatalogue {

// Every byte of the image in exactly one entry, in image order.
const QList<CatalogueField>& fields();

// The entry with this key, or nullptr.
const CatalogueField* find(const QString& key);

// The value as the pages show it: the siren time in seconds, the sensitivity
// in ms, a zone's type as its named marks; reserved ranges as hexadecimal bytes.
QString displayValue(const CatalogueField& field, const ConfigImage& image);

} // namespace FieldCatalogue

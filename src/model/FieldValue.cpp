#include "FieldValue.h"

#include "Cp1251.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <bit>
#include <cmath>

namespace {

// A name of digits only (a group number) travels as a JSON number.
QJsonValue nameValue(const QString& name)
{
    bool digits = false;
    const int number = name.toInt(&digits);
    return digits ? QJsonValue(number) : QJsonValue(name);
}

// The value as a message names it.
QString quoted(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::String: return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    case QJsonValue::Double: return QString::number(value.toDouble(), 'g', 17);
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array: return QStringLiteral("a list");
    case QJsonValue::Object: return QStringLiteral("an object");
    case QJsonValue::Null:
    case QJsonValue::Undefined: break;
    }
    return QStringLiteral("null");
}

int codeShift(quint32 mask)
{
    return mask == 0 ? 0 : std::countr_zero(mask);
}

QJsonValue readBits(const CatalogueField& field, quint32 value)
{
    QJsonArray names;
    for (int bit = 0; bit < field.bitNames.size(); ++bit) {
        if ((value & (1u << bit)) != 0 && !field.bitNames.at(bit).isEmpty())
            names.append(nameValue(field.bitNames.at(bit)));
    }
    const quint32 code = (value & field.codeMask) >> codeShift(field.codeMask);
    if (code != 0 && code < static_cast<quint32>(field.codeNames.size()) && !field.codeNames.at(code).isEmpty())
        names.append(field.codeNames.at(code));
    return names;
}

// Unicode text to the field's bytes, refusing what the code page cannot hold.
std::optional<QByteArray> encodeText(const QJsonValue& value, int limit, QString& error)
{
    if (!value.isString()) {
        error = QStringLiteral("expects a text, not %1").arg(quoted(value));
        return std::nullopt;
    }
    const QList<uint> codePoints = value.toString().toUcs4();
    QByteArray bytes;
    for (const uint codePoint : codePoints) {
        const char byte = Cp1251::encodeChar(codePoint);
        if (codePoint == 0 || (byte == '?' && codePoint != '?')) {
            error = QStringLiteral("the character U+%1 has no place in the panel's code page (Windows-1251)")
                        .arg(QString::number(codePoint, 16).toUpper().rightJustified(4, QLatin1Char('0')));
            return std::nullopt;
        }
        bytes.append(byte);
    }
    if (bytes.size() > limit) {
        error = QStringLiteral("a text of %1 characters is too long for the field's %2").arg(bytes.size()).arg(limit);
        return std::nullopt;
    }
    return bytes;
}

bool writeNumber(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error)
{
    const double number = value.toDouble();
    const double largest = static_cast<double>(field.largestStored()) * field.scale;
    if (!value.isDouble() || number != std::floor(number)) {
        error = QStringLiteral("expects a whole number, not %1").arg(quoted(value));
        return false;
    }
    if (number < 0 || number > largest) {
        error = QStringLiteral("%1 is outside 0..%2").arg(quoted(value)).arg(static_cast<qint64>(largest));
        return false;
    }
    const auto whole = static_cast<qint64>(number);
    if (whole % field.scale != 0) {
        error = QStringLiteral("%1 is not a multiple of %2").arg(whole).arg(field.scale);
        return false;
    }
    image.setValue(field.layoutField(), static_cast<quint32>(whole / field.scale));
    return true;
}

bool writeHexAccount(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error)
{
    static const QRegularExpression hexDigits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]+")));
    const QString text = value.toString();
    if (!value.isString() || text.size() > 2 * field.size || !hexDigits.match(text).hasMatch()) {
        error = QStringLiteral("expects up to %1 hexadecimal digits, not %2").arg(2 * field.size).arg(quoted(value));
        return false;
    }
    image.setValue(field.layoutField(), text.toUInt(nullptr, 16));
    return true;
}

bool writeChars(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error)
{
    std::optional<QByteArray> bytes = encodeText(value, field.size, error);
    if (!bytes)
        return false;
    if (field.zeroIsBlank)
        bytes->replace(' ', '\0');
    image.setChars(field.layoutField(), *bytes);
    return true;
}

bool writeTextSlot(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error)
{
    const std::optional<QByteArray> bytes = encodeText(value, ImageLayout::TextSlotChars, error);
    if (!bytes)
        return false;
    image.setSlotText(field.layoutField(), Cp1251::toUnicode(*bytes));
    return true;
}

bool writeIpv4(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error)
{
    static const QRegularExpression dotted(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})")));
    const QRegularExpressionMatch match = dotted.match(value.toString());
    ConfigImage::Octets octets{};
    bool valid = value.isString() && match.hasMatch();
    for (int i = 0; valid && i < 4; ++i) {
        const int octet = match.captured(i + 1).toInt();
        valid = octet <= 255;
        octets[i] = static_cast<std::uint8_t>(octet);
    }
    if (!valid) {
        error = QStringLiteral("expects a dotted IPv4 address such as \"192.168.1.1\", not %1").arg(quoted(value));
        return false;
    }
    image.setOctets(field.layoutField(), octets);
    return true;
}

bool writeBits(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error)
{
    if (!value.isArray()) {
        error = QStringLiteral("expects a list of names, not %1").arg(quoted(value));
        return false;
    }
    quint32 bits = 0;
    std::optional<qsizetype> code;
    for (const QJsonValue& element : value.toArray()) {
        const QString name = element.isDouble() ? QString::number(element.toDouble(), 'g', 17) : element.toString();
        const qsizetype bit = name.isEmpty() ? -1 : field.bitNames.indexOf(name);
        const qsizetype codeValue = name.isEmpty() ? -1 : field.codeNames.indexOf(name);
        if (bit >= 0) {
            bits |= 1u << bit;
        } else if (codeValue > 0 && (!code || *code == codeValue)) {
            code = codeValue;
        } else if (codeValue > 0) {
            error = QStringLiteral("names both \"%1\" and \"%2\", of which only one can hold")
                        .arg(field.codeNames.at(*code), name);
            return false;
        } else {
            QStringList known = field.bitNames + field.codeNames;
            known.removeAll(QString());
            error = QStringLiteral("%1 is not one of: %2").arg(quoted(element), known.join(QStringLiteral(", ")));
            return false;
        }
    }
    if (code)
        bits |= static_cast<quint32>(*code) << codeShift(field.codeMask);
    image.setValue(field.layoutField(), bits);
    return true;
}

} // namespace

namespace FieldValue {

QJsonValue read(const CatalogueField& field, const ConfigImage& image)
{
    const ImageLayout::Field place = field.layoutField();
    switch (field.kind) {
    case FieldKind::Number:
        return static_cast<qint64>(image.value(place)) * field.scale;
    case FieldKind::HexAccount:
        return QStringLiteral("%1").arg(image.value(place), 2 * field.size, 16, QLatin1Char('0')).toUpper();
    case FieldKind::Chars:
        if (field.zeroIsBlank) {
            QByteArray bytes = field.bytesOf(image);
            while (bytes.endsWith('\0'))
                bytes.chop(1);
            return Cp1251::toUnicode(bytes.replace('\0', ' '));
        }
        return image.text(place);
    case FieldKind::Ipv4: {
        const ConfigImage::Octets octets = image.octets(place);
        return QStringLiteral("%1.%2.%3.%4").arg(octets[0]).arg(octets[1]).arg(octets[2]).arg(octets[3]);
    }
    case FieldKind::TextSlot:
        return image.slotText(place);
    case FieldKind::Bits:
        return readBits(field, image.value(place));
    case FieldKind::Reserved:
        break;
    }
    return QJsonValue();
}

bool write(const CatalogueField& field, const QJsonValue& value, ConfigImage& image, QString& error)
{
    switch (field.kind) {
    case FieldKind::Number: return writeNumber(field, value, image, error);
    case FieldKind::HexAccount: return writeHexAccount(field, value, image, error);
    case FieldKind::Chars: return writeChars(field, value, image, error);
    case FieldKind::Ipv4: return writeIpv4(field, value, image, error);
    case FieldKind::TextSlot: return writeTextSlot(field, value, image, error);
    case FieldKind::Bits: return writeBits(field, value, image, error);
    case FieldKind::Reserved: break;
    }
    error = QStringLiteral("is reserved and has no readable value");
    return false;
}

bool carriesExactly(const CatalogueField& field, const ConfigImage& image)
{
    if (field.kind == FieldKind::Reserved)
        return field.bytesOf(image).count('\0') == field.size;   // a zero range needs no carrying
    ConfigImage rewritten = image;
    QString error;
    return write(field, read(field, image), rewritten, error) && field.bytesOf(rewritten) == field.bytesOf(image);
}

} // namespace FieldValue

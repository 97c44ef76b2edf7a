#include "ConfigJson.h"

#include "FieldCatalogue.h"
#include "FieldValue.h"

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString Separator = QStringLiteral(".");

struct Leaf {
    const CatalogueField* field;
    bool hex;
};

// The objects that hold the values, by their paths joined with dots.
const QSet<QString>& objects()
{
    static const QSet<QString> known = [] {
        QSet<QString> paths;
        for (const CatalogueField& field : FieldCatalogue::fields()) {
            const QStringList path = ConfigJson::pathOf(field.key);
            for (qsizetype length = 1; length < path.size(); ++length)
                paths.insert(path.first(length).join(Separator));
        }
        return paths;
    }();
    return known;
}

// Every name the document may hold at its leaves, by its path joined with dots.
const QHash<QString, Leaf>& leaves()
{
    static const QHash<QString, Leaf> known = [] {
        QHash<QString, Leaf> index;
        for (const CatalogueField& field : FieldCatalogue::fields()) {
            const QString path = ConfigJson::pathOf(field.key).join(Separator);
            if (field.kind != FieldKind::Reserved)
                index.insert(path, {&field, false});
            index.insert(path + QLatin1String(ConfigJson::HexSuffix), {&field, true});
        }
        return index;
    }();
    return known;
}

struct Given {
    QHash<const CatalogueField*, QJsonValue> values;
    QHash<const CatalogueField*, QJsonValue> hex;
};

// Sorts the document's leaves onto the catalogue; false at the first name it does not know.
bool collect(const QJsonObject& object, const QString& prefix, Given& given, QString& error)
{
    for (auto member = object.begin(); member != object.end(); ++member) {
        const QString path = prefix.isEmpty() ? member.key() : prefix + Separator + member.key();
        if (prefix.isEmpty() && (member.key() == QLatin1String("format") || member.key() == QLatin1String("version")))
            continue;
        const auto leaf = leaves().constFind(path);
        if (leaf != leaves().constEnd()) {
            (leaf->hex ? given.hex : given.values).insert(leaf->field, member.value());
        } else if (objects().contains(path)) {
            if (!member.value().isObject()) {
                error = QStringLiteral("\"%1\" must be an object").arg(path);
                return false;
            }
            if (!collect(member.value().toObject(), path, given, error))
                return false;
        } else {
            error = QStringLiteral("unknown key \"%1\"").arg(path);
            return false;
        }
    }
    return true;
}

std::optional<QByteArray> hexBytes(const CatalogueField& field, const QJsonValue& value)
{
    static const QRegularExpression hexDigits(QRegularExpression::anchoredPattern(QStringLiteral("([0-9A-Fa-f]{2})*")));
    const QString text = value.toString();
    if (!value.isString() || text.size() != 2 * field.size || !hexDigits.match(text).hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(text.toLatin1());
}

void putBytes(const CatalogueField& field, const QByteArray& bytes, ConfigImage& image)
{
    for (int i = 0; i < field.size; ++i)
        image.setByteAt(field.offset + i, static_cast<std::uint8_t>(bytes.at(i)));
}

// Whether the readable value stored in `image` is the one those bytes read as.
bool valueMatches(const CatalogueField& field, const ConfigImage& image, const QByteArray& bytes)
{
    ConfigImage fromBytes = image;
    putBytes(field, bytes, fromBytes);
    ConfigImage readBack = fromBytes;
    QString unused;
    FieldValue::write(field, FieldValue::read(field, fromBytes), readBack, unused);
    return field.bytesOf(readBack) == field.bytesOf(image);
}

// Stores one field from what the document gives for it.
bool store(const CatalogueField& field, const Given& given, ConfigImage& image, QString& error)
{
    const QString hexName = ConfigJson::pathOf(field.key).last() + QLatin1String(ConfigJson::HexSuffix);
    std::optional<QByteArray> bytes;
    if (given.hex.contains(&field)) {
        bytes = hexBytes(field, given.hex.value(&field));
        if (!bytes) {
            error = QStringLiteral("%1: \"%2\" expects %3 hexadecimal digits, two for each byte of the field")
                        .arg(field.key, hexName)
                        .arg(2 * field.size);
            return false;
        }
    }
    if (field.kind == FieldKind::Reserved) {
        if (bytes)
            putBytes(field, *bytes, image);
        return true;
    }
    if (!given.values.contains(&field)) {
        error = QStringLiteral("%1: missing").arg(field.key);
        return false;
    }
    QString reason;
    if (!FieldValue::write(field, given.values.value(&field), image, reason)) {
        error = QStringLiteral("%1: %2").arg(field.key, reason);
        return false;
    }
    if (!bytes)
        return true;
    // An edited value beside a stale "_hex" would otherwise be lost without a word.
    if (!valueMatches(field, image, *bytes)) {
        error = QStringLiteral("%1: the value does not match \"%2\" beside it; remove \"%2\" to take the value")
                    .arg(field.key, hexName);
        return false;
    }
    putBytes(field, *bytes, image);
    return true;
}

// The header checked and the document's values sorted onto the catalogue.
std::optional<Given> parse(const QByteArray& json, QString& error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(parseError.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype column = parseError.offset - (before.lastIndexOf('\n') + 1) + 1;
        error = QStringLiteral("malformed JSON at line %1, column %2: %3")
                    .arg(line)
                    .arg(column)
                    .arg(parseError.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = QStringLiteral("not a configuration: the document is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(ConfigJson::FormatName)) {
        error = QStringLiteral("not a configuration: \"format\" must be \"%1\"")
                    .arg(QLatin1String(ConfigJson::FormatName));
        return std::nullopt;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isUndefined() && !version.isDouble()) {
        error = QStringLiteral("\"version\" must be a number; this program reads version %1").arg(ConfigJson::FormatVersion);
        return std::nullopt;
    }
    if (version.toDouble() != ConfigJson::FormatVersion) {
        const QString given = version.isDouble() ? QString::number(version.toDouble()) : QStringLiteral("missing");
        error = QStringLiteral("format version %1 is not supported; this program reads version %2")
                    .arg(given)
                    .arg(ConfigJson::FormatVersion);
        return std::nullopt;
    }
    Given given;
    if (!collect(root, QString(), given, error))
        return std::nullopt;
    return given;
}

bool namesEveryValue(const Given& given)
{
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (field.kind != FieldKind::Reserved && !given.values.contains(&field))
            return false;
    }
    return true;
}

} // namespace

namespace ConfigJson {

ReadResult read(const QByteArray& json)
{
    QString error;
    const std::optional<Given> given = parse(json, error);
    if (!given)
        return {std::nullopt, error};
    ConfigImage image;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (!store(field, *given, image, error))
            return {std::nullopt, error};
    }
    return {image, QString()};
}

TemplateResult readTemplate(const QByteArray& json)
{
    QString error;
    const std::optional<Given> given = parse(json, error);
    if (!given)
        return {std::nullopt, error};
    const bool whole = namesEveryValue(*given);
    QList<const CatalogueField*> named;
    ConfigImage values;
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        if (!whole && !given->values.contains(&field) && !given->hex.contains(&field))
            continue;
        if (!store(field, *given, values, error))
            return {std::nullopt, error};
        named.append(&field);
    }
    if (named.isEmpty())
        return {std::nullopt, QStringLiteral("not a template: it names no field")};
    return {ConfigTemplate(named, values), QString()};
}

} // namespace ConfigJson

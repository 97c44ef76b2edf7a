#include "ConfigJson.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ConfigJson {

QByteArray write(const ConfigImage& image)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), QString::fromLatin1(FormatName));
    root.insert(QStringLiteral("version"), FormatVersion);
    root.insert(QStringLiteral("image_hex"), QString::fromLatin1(image.bytes().toHex()));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadResult read(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull())
        return {std::nullopt, QStringLiteral("malformed JSON: %1").arg(parseError.errorString())};
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(FormatName)
        || root.value(QStringLiteral("version")).toInt() != FormatVersion)
        return {std::nullopt, QStringLiteral("not a zq22-config document of version %1").arg(FormatVersion)};
    ConfigImage image;
    image.assign(QByteArray::fromHex(root.value(QStringLiteral("image_hex")).toString().toLatin1()));
    return {image, QString()};
}

} // namespace ConfigJson

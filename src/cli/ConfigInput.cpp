#include "ConfigInput.h"

#include "ConfigFile.h"
#include "Console.h"
#include "JsonConfigFile.h"

#include <QFile>

#include <cstdio>

namespace ConfigInput {

namespace {

QString foreignSignature()
{
    return QStringLiteral("not a configuration file of this panel: it does not start with \"%1\"")
        .arg(QString::fromLatin1(ConfigFile::Signature));
}

Result fromContents(const ConfigFile::Contents& contents)
{
    if (!contents.hasHeader())
        return {std::nullopt, contents.error->text};
    if (!ConfigFile::signatureMatches(contents.header))
        return {std::nullopt, foreignSignature()};
    if (contents.error)
        return {std::nullopt, contents.error->text};
    ConfigImage image;
    image.assign(contents.image);
    return {image, QString()};
}

Result fromJson(const ConfigJson::ReadResult& json)
{
    return {json.image, json.error};
}

// A JSON document starts with its object's brace, after any byte order mark and blanks.
bool startsLikeJson(const QByteArray& bytes)
{
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QByteArray start = text.trimmed();
    return start.startsWith('{');
}

// A pipe gives what its writer has written so far: read on to its end.
QByteArray readToEnd(QFile& input, qint64 limit)
{
    QByteArray bytes;
    while (bytes.size() < limit) {
        const QByteArray part = input.read(limit - bytes.size());
        if (part.isEmpty())
            break;
        bytes += part;
    }
    return bytes;
}

Result readStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return {std::nullopt, input.errorString()};
    const QByteArray bytes = readToEnd(input, JsonConfigFile::LargestJson + 1);
    if (input.error() != QFileDevice::NoError)
        return {std::nullopt, input.errorString()};
    if (bytes.isEmpty())
        return {std::nullopt, QStringLiteral("it is empty")};
    if (ConfigFile::signatureMatches(bytes))
        return fromContents(ConfigFile::contentsOf(bytes));
    if (startsLikeJson(bytes))
        return fromJson(JsonConfigFile::fromBytes(bytes));
    return {std::nullopt, QStringLiteral("neither a .q22 file (it does not start with \"%1\") nor a JSON document")
                              .arg(QString::fromLatin1(ConfigFile::Signature))};
}

} // namespace

Result read(const QString& path)
{
    if (path == StandardInput)
        return readStandardInput();
    if (JsonConfigFile::isJsonName(path))
        return fromJson(JsonConfigFile::read(path));
    return fromContents(ConfigFile::read(path));
}

QString nameOf(const QString& path)
{
    return path == StandardInput ? QStringLiteral("standard input") : path;
}

std::optional<ConfigTemplate> readTemplate(const QString& path, Console& console)
{
    if (JsonConfigFile::isJsonName(path)) {
        ConfigJson::TemplateResult read = JsonConfigFile::readTemplate(path);
        if (!read.parsed)
            console.fail(path, read.error);
        return std::move(read.parsed);
    }
    const Result whole = fromContents(ConfigFile::read(path));
    if (!whole.image) {
        console.fail(path, whole.error);
        return std::nullopt;
    }
    return ConfigTemplate::wholeOf(*whole.image);
}

} // namespace ConfigInput

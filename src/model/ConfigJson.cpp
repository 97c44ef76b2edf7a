#include "ConfigJson.h"

#include "FieldCatalogue.h"
#include "FieldValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

constexpr int Indent = 4;

// A member of the document being written: a value, or an object of members in
// the order they were first named.
struct Node {
    QString name;
    QJsonValue value;
    QList<Node> members;
};

Node& memberOf(Node& object, const QString& name)
{
    for (Node& member : object.members) {
        if (member.name == name)
            return member;
    }
    object.members.append({name, QJsonValue(), {}});
    return object.members.last();
}

void put(Node& root, const QStringList& path, const QJsonValue& value)
{
    Node* node = &root;
    for (const QString& name : path)
        node = &memberOf(*node, name);
    node->value = value;
}

// One JSON value on one line, as QJsonDocument spells it.
QByteArray compact(const QJsonValue& value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

void writeNode(const Node& node, int depth, QByteArray& out)
{
    if (node.members.isEmpty()) {
        out += compact(node.value);
        return;
    }
    out += "{\n";
    for (qsizetype i = 0; i < node.members.size(); ++i) {
        const Node& member = node.members.at(i);
        out += QByteArray((depth + 1) * Indent, ' ') + compact(member.name) + ": ";
        writeNode(member, depth + 1, out);
        out += i + 1 < node.members.size() ? ",\n" : "\n";
    }
    out += QByteArray(depth * Indent, ' ') + '}';
}

} // namespace

namespace ConfigJson {

QStringList pathOf(const QString& key)
{
    static const QRegularExpression separators(QStringLiteral("[.\\[\\]]+"));
    return key.split(separators, Qt::SkipEmptyParts);
}

QByteArray write(const ConfigImage& image)
{
    Node root;
    put(root, {QStringLiteral("format")}, QLatin1String(FormatName));
    put(root, {QStringLiteral("version")}, FormatVersion);
    for (const CatalogueField& field : FieldCatalogue::fields()) {
        QStringList path = pathOf(field.key);
        if (field.kind != FieldKind::Reserved)
            put(root, path, FieldValue::read(field, image));
        if (!FieldValue::carriesExactly(field, image)) {
            path.last() += QLatin1String(HexSuffix);
            put(root, path, QString::fromLatin1(field.bytesOf(image).toHex()));
        }
    }
    QByteArray out;
    writeNode(root, 0, out);
    return out + '\n';
}

} // namespace ConfigJson

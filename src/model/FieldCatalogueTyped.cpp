#include "FieldCatalogue.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>

// What a person types of the catalogue: keys, and values as the pages show them.

namespace {

// How many characters must be inserted, removed or replaced to make b of a, case aside.
int editDistance(const QString& a, const QString& b)
{
    const QString from = a.toCaseFolded();
    const QString to = b.toCaseFolded();
    QList<int> previous(to.size() + 1);
    for (qsizetype j = 0; j <= to.size(); ++j)
        previous[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= from.size(); ++i) {
        QList<int> current(to.size() + 1);
        current[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= to.size(); ++j) {
            const int replace = previous[j - 1] + (from.at(i - 1) == to.at(j - 1) ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
        }
        previous = std::move(current);
    }
    return previous.constLast();
}

// A name as the field knows it: typed with other blanks ("Звуковое
// подтверждение постановки" has two on the page), or as the pages show it in
// the user's language, it is still that name.
QString knownName(const CatalogueField& field, const QString& typed)
{
    const QString wanted = typed.simplified();
    for (const QString& name : field.bitNames + field.codeNames) {
        if (!name.isEmpty()
            && (name.simplified() == wanted || FieldCatalogue::shownName(name).simplified() == wanted))
            return name;
    }
    return wanted;
}

std::optional<QJsonValue> numberOfDisplay(const CatalogueField& field, const QString& text, QString& error)
{
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]+")));
    for (const auto& [value, name] : field.valueNames) {
        if (name == text)
            return QJsonValue(static_cast<qint64>(value) * field.scale);
    }
    if (whole.match(text).hasMatch())
        return QJsonValue(text.toDouble());
    if (field.valueNames.isEmpty())
        return QJsonValue(text);   // FieldValue::write names what it expects
    QStringList names;
    for (const auto& named : field.valueNames)
        names.append(named.second);
    error = QStringLiteral("\"%1\" is neither a whole number nor one of: %2")
                .arg(text, names.join(QStringLiteral(", ")));
    return std::nullopt;
}

} // namespace

namespace FieldCatalogue {

QStringList nearestKeys(const QString& key, int count)
{
    QList<std::pair<int, const CatalogueField*>> ranked;
    for (const CatalogueField* field : everyField()) {
        if (field->kind != FieldKind::Reserved)
            ranked.append({editDistance(key, field->key), field});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList nearest;
    for (qsizetype i = 0; i < ranked.size() && i < count; ++i)
        nearest.append(ranked.at(i).second->key);
    return nearest;
}

std::optional<QJsonValue> valueOfDisplay(const CatalogueField& field, const QString& text, QString& error)
{
    switch (field.kind) {
    case FieldKind::Number: return numberOfDisplay(field, text, error);
    case FieldKind::Bits: {
        QJsonArray names;
        for (const QString& name : text.split(QLatin1Char(','))) {
            if (!name.trimmed().isEmpty())
                names.append(knownName(field, name));
        }
        return names;
    }
    case FieldKind::HexAccount:
    case FieldKind::Chars:
    case FieldKind::Ipv4:
    case FieldKind::TextSlot: return QJsonValue(text);
    case FieldKind::Reserved: break;
    }
    return QJsonValue();   // FieldValue::write says that a reserved range has no value
}

} // namespace FieldCatalogue

#include "LibraryRecords.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<Operation, QLatin1String>, 3> OperationTexts = {{
    {Operation::Read, QLatin1String("read")},
    {Operation::Write, QLatin1String("write")},
    {Operation::Added, QLatin1String("added")},
}};

} // namespace

QString operationText(Operation operation)
{
    for (const auto& [known, text] : OperationTexts)
        if (known == operation)
            return text;
    return {};
}

std::optional<Operation> operationFromText(const QString& text)
{
    for (const auto& [known, knownText] : OperationTexts)
        if (text == knownText)
            return known;
    return std::nullopt;
}

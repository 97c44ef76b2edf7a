#include "CheckedChange.h"

#include "ConfigOutput.h"
#include "ConsoleDialogs.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FieldCatalogue.h"
#include "FieldTie.h"

namespace CheckedChange {

QCommandLineOption answerYesOption()
{
    return QCommandLineOption(QStringLiteral("yes"),
                              QStringLiteral("Answer Yes to the question of \"Записать\"\n"
                                             "about an empty balance request."));
}

int refusedByChecks(Console& console, const QString& path, const ImageChecks::Verdict& verdict)
{
    console.fail(path, verdict.message.text);
    if (verdict.outcome == ImageChecks::Verdict::Outcome::Declined)
        console.message(ConsoleDialogs::answeredNo());
    return ExitStatus::Failure;
}

int write(Console& console, const QString& path, const FieldTransfer::Result& change, const QString& output)
{
    if (const FieldTie* tie = change.brokenTie)
        return console.fail(path,
                            QStringLiteral("%1 follows %2: %3").arg(tie->follower->key, tie->leader->key, tie->rule));
    if (!change.accepted())
        return refusedByChecks(console, path, change.verdict);
    for (const FieldTie* tie : change.carried)
        console.message(QStringLiteral("zq22: %1: %2 changed with %3").arg(path, tie->follower->key, tie->leader->key));
    if (const auto error = ConfigOutput::write(output, change.image))
        return console.failedWrite(output, *error);
    return ExitStatus::Success;
}

} // namespace CheckedChange

#include "CheckedChange.h"

#include "CommandOutput.h"
#include "ConfigOutput.h"
#include "Console.h"
#include "ExitStatus.h"
#include "FieldCatalogue.h"
#include "FieldTie.h"

namespace CheckedChange {

namespace {

// What follows the balance request's question, which nobody was there to answer Yes to.
const QString AnsweredNo = QStringLiteral("zq22: answered No; add --yes to answer Yes");

} // namespace

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
        console.message(AnsweredNo);
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
    return CommandOutput::write(console, output, ConfigOutput::bytesFor(output, change.image));
}

} // namespace CheckedChange

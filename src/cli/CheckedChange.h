#pragma once

#include "FieldTransfer.h"
#include "ImageChecks.h"

#include <QCommandLineOption>
#include <QString>

class Console;

// What zq22 says of a change to a configuration: refused by a tie or by the
// checks of "Записать", in the window's words, or written.
namespace CheckedChange {

// --yes: the question of "Записать" about an empty balance request answered Yes.
QCommandLineOption answerYesOption();

// The refusal of the checks, as the window's box words it; the exit status.
int refusedByChecks(Console& console, const QString& path, const ImageChecks::Verdict& verdict);

// Writes the changed image of the file at path to output, telling what was
// carried along, or reports why it was refused and writes nothing; the exit status.
int write(Console& console, const QString& path, const FieldTransfer::Result& change, const QString& output);

} // namespace CheckedChange

#pragma once

class Dialogs;
class SingleInstance;

// Start-up's first step: only the first copy of the program runs; a second one
// says so and ends without creating any window.
bool claimFirstCopy(SingleInstance& instance, Dialogs& dialogs);

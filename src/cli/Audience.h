#pragma once

// Who reads what a transfer tells on standard error besides its outcome.
enum class Audience {
    Person,      // a terminal: the progress bar redrawn in place, every status
    Log,         // a file or a pipe: a line at every tenth, a countdown at most every 10 s
    OutcomeOnly, // --quiet: the outcome alone
};

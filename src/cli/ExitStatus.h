#pragma once

// What every command of zq22 exits with, the same for all, so that a script
// can tell the outcomes apart.
namespace ExitStatus {

constexpr int Success = 0;
constexpr int Differences = 1;   // diff: the configurations differ
constexpr int Failure = 2;       // bad arguments, an unreadable or invalid file, a failed write
constexpr int LinkFailure = 3;   // read, write: the port or the panel failed the transfer
constexpr int Interrupted = 130; // read, write: ended by Ctrl+C, as a shell reports SIGINT
constexpr int Terminated = 143;  // read, write: ended by SIGTERM, as a shell reports it

} // namespace ExitStatus

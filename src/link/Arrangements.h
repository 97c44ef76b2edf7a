#pragma once

class LinkHost;
class QString;

// The window arrangements the link produces, each in one place.
namespace Arrangements {

// A connection has ended: files and the connection menu stay usable; the
// caller's text goes to the status line.
void standAlone(LinkHost& host, const QString& status);

// The panel answered: every command, the write button and the progress bar.
void connected(LinkHost& host);

// The panel went quiet: no transfer commands until it answers again.
void linkLost(LinkHost& host);

// No connection at all, as after "BT": only the connection menu and the files.
void offline(LinkHost& host);

// Listening for a remote panel: only the files, not even the connection menu.
void waitingForRemotePanel(LinkHost& host);

} // namespace Arrangements

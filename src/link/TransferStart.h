#pragma once

class ConfigImage;
class LinkHost;
struct LinkVars;

// The common parts of the read command and of the write start, shared by the
// serial and the remote branch that follow them.
void readCommonPart(LinkVars& vars, LinkHost& host, ConfigImage& image);
// Leaves the write request in the CommandFrame buffer.
void writeCommonPart(LinkVars& vars, LinkHost& host);
// Neither branch applies after a common part: no transfer, and the controls
// back in the user's hands.
void noPanelToTransfer(LinkVars& vars, LinkHost& host);

#pragma once

class ConfigImage;
class LinkHost;
struct LinkVars;

// The common parts of the read command and of the write start, which the
// serial link owns; tests of the remote branches run them first.
void readCommonPart(LinkVars& vars, LinkHost& host, ConfigImage& image);
// Leaves the write request in the CommandFrame buffer.
void writeCommonPart(LinkVars& vars, LinkHost& host);

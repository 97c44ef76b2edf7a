#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// How the virtual panel behaves: its image, where a written image goes, and
// the faults it injects. A block number of 0 means "never".
struct PanelOptions {
    QByteArray image;      // the 9419 bytes a read sends
    QString saveFile;      // where a written image is saved as a .q22 file
    bool pace = false;     // real 115200 baud timing, both directions
    int badCrcBlock = 0;   // send this block with a broken CRC...
    int badCrcTimes = 1;   // ...this many times
    int repeatBlock = 0;   // send this block again after its ACK, as if the ACK were lost
    int skipBlock = 0;     // send the next block in its place, once
    int nakBlocks = 0;     // answer the first so many written blocks with NAK
    int refuseBlock = 0;   // answer the first sending of this written block with NAK
    std::chrono::milliseconds lateness{0}; // everything the panel sends leaves this late
    bool fault = false;    // answer the write request with the fault byte
    int silentAfter = 0;   // ignore everything after this block
    int closeAfter = 0;    // hang up after this block
    QByteArray stale;      // already waiting on the line when the configurator opens it

    // The options of the command line, or the reason they are wrong.
    static std::optional<PanelOptions> parse(const QStringList& arguments, QString* error);
    static QString helpText();
    // A non-trivial image for runs without a file.
    static QByteArray sampleImage();
    // The image of the .q22 file among the positional arguments, or the
    // sample when there is none; both modes of the panel take it alike.
    static std::optional<QByteArray> loadImage(const QStringList& files, QString* error);
    // Saves a written image as a .q22 file.
    static bool saveImage(const QString& path, const QByteArray& image, QString* error);
};

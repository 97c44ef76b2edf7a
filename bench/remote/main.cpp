#include "LoopbackRig.h"
#include "RemoteLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int TransferMs = 60000;
constexpr int Runs = 3;

// Each block is answered after a pause of two ticks; a write ends with one
// more pause after the connect frame the panel answers.
const double ReadFloorMs = Frames::BlockCount * Ticks::ticks(Remote::ReplyPauseTicks).count();
const double WriteFloorMs = ReadFloorMs + Ticks::ticks(Remote::RelinkPauseTicks).count();

double timedRead()
{
    LoopbackRig rig;
    if (!rig.connectPanel())
        return -1;
    QElapsedTimer elapsed;
    elapsed.start();
    rig.startRead();
    if (!rig.waitForEnd(TransferMs) || rig.image.bytes() != rig.panelImage)
        return -1;
    return double(elapsed.elapsed());
}

double timedWrite()
{
    LoopbackRig rig;
    if (!rig.connectPanel())
        return -1;
    QElapsedTimer elapsed;
    elapsed.start();
    rig.startWrite(rig.panelImage);
    if (!rig.waitForEnd(TransferMs) || rig.panelReceived() != rig.panelImage)
        return -1;
    return double(elapsed.elapsed());
}

void report(const char* name, double (*run)(), double floorMs)
{
    for (int i = 0; i < Runs; ++i) {
        const double ms = run();
        if (ms < 0) {
            std::printf("%s: failed\n", name);
            continue;
        }
        std::printf("%s: %.0f ms, floor %.0f ms, ratio %.3f\n", name, ms, floorMs, ms / floorMs);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    report("remote read", timedRead, ReadFloorMs);
    report("remote write", timedWrite, WriteFloorMs);
    return 0;
}

#include "TransferStart.h"

#include "Arrangements.h"
#include "ConfigImage.h"
#include "LinkConstants.h"
#include "LinkHost.h"
#include "LinkTexts.h"
#include "LinkVars.h"

void readCommonPart(LinkVars& vars, LinkHost& host, ConfigImage& image)
{
    host.makeVerSimReadOnly();
    host.DisableAll();
    host.showFirstPage();
    image.clear();
    vars.BlockNo = 1;
    host.setGaugeVisible(vars.PanelLinked);
    vars.RetryCount = LinkConstants::TransferRetries;
    vars.ImagePos = 1;
    vars.RxStarted = false;
    vars.RxIndex = 1;
}

void writeCommonPart(LinkVars& vars, LinkHost& host)
{
    host.DisableAll();
    host.setGauge(0);
    vars.BlockNo = 1;
    vars.RxIgnore = false;
    vars.CommandFrame = Frames::writeRequest();
    vars.TransferOp = TransferOps::WriteRequest;
    host.setGaugeVisible(vars.PanelLinked);
    vars.RetryCount = LinkConstants::TransferRetries;
    vars.ImagePos = 1;
}

// Nothing was sent, so nothing would ever answer and give the controls back;
// a late reply must not find a transfer to go on with either.
void noPanelToTransfer(LinkVars& vars, LinkHost& host)
{
    vars.TransferOp = TransferOps::None;
    Arrangements::standAlone(host, LinkTexts::noPanel());
}

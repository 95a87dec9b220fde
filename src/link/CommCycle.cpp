#include "link/CommCycle.h"

#include "app/Dialogs.h"
#include "link/CycleHost.h"
#include "link/Frames.h"
#include "link/SerialPort.h"

CommCycle::CommCycle(ValueImage& image, SerialPort& port, CycleHost& host, Dialogs& dialogs)
    : image_(image), port_(port), host_(host), dialogs_(dialogs)
{
}

void CommCycle::Timer1Timer()
{
    host_.ShowPortOpen(port_.IsOpen());
    host_.ShowReceived(image_.RxCount);

    if (image_.LinkWatchdog != 0) {
        --image_.LinkWatchdog;
    } else {
        image_.CommState = ReadProcess;  // any read or write in progress is abandoned
        host_.ShowStatus(NoConnectionText, clRed);
        host_.EnableGetSend(false);
        if (image_.DataStale == 0) {
            image_.DataStale = 1;
            host_.RefreshMenuRows();
        }
    }

    --image_.RequestCountdown;
    if (image_.RequestCountdown <= 0)
        RequestSlot();

    if (image_.RxIdleCountdown != 0) {
        --image_.RxIdleCountdown;
        return;
    }
    if (image_.RxCount < MinimumFrameBytes)
        return;
    EvaluateFrame();
}

void CommCycle::RequestSlot()
{
    image_.RequestCountdown = RequestPeriodTicks;
    image_.RxCount = 0;  // whatever was received is dropped
    if (image_.LinkWatchdog < SlotWatchdogFloorTicks)
        image_.LinkWatchdog = SlotWatchdogFloorTicks;
    if (!port_.IsOpen())
        return;  // the state waits for the port

    switch (image_.CommState) {
    case ReadProcess:
        host_.ShowStatus(ReadingProcessText, clBlue);
        Send(ProcessRequest());
        break;
    case ReadControls:
        host_.ShowStatus(ReadingControlsText, clFuchsia);
        Send(ControlsRequest());
        image_.CommState = ReadProcess;  // the reply is known by its type, whatever the state
        break;
    case WriteControls:
        if (Differs(FirstControlRegister)) {
            host_.ShowStatus(WritingControlsText, clFuchsia);
            Send(ControlsBlock(image_));
        } else {
            image_.RequestCountdown = 0;  // nothing to write: act again at the next tick
        }
        image_.CommState = WriteControls2;
        break;
    case WriteControls2:
        if (Differs(FirstProcessRegister)) {
            host_.ShowStatus(WritingControls2Text, clFuchsia);
            Send(ProcessBlock(image_));
        } else {
            image_.RequestCountdown = 0;
        }
        image_.CommState = ReadProcess;
        break;
    default:
        // Not a state the cycle sets; treat it as polling rather than stall.
        image_.CommState = ReadProcess;
        break;
    }
}

bool CommCycle::Differs(int firstRegister) const
{
    for (int r = firstRegister; r < firstRegister + RegistersPerBlock; ++r)
        if (image_.Values[r] != image_.DeviceValues[r])
            return true;
    return false;
}

void CommCycle::Send(const std::vector<std::uint8_t>& frame)
{
    for (const std::uint8_t byte : frame)
        port_.PutChar(byte);
}

void CommCycle::EvaluateFrame()
{
    if (FrameSumOk(image_)) {
        image_.LinkWatchdog = FrameWatchdogTicks;
        if (image_.CommState == ReadProcess)
            host_.EnableGetSend(true);
        if (image_.RxCount == BlockLength) {
            switch (image_.RxBuffer[0]) {
            case ProcessReplyType:
                ApplyProcessReply();
                break;
            case ControlsReplyType:
                ApplyControlsReply();
                break;
            case WriteReplyType:
                VerifyWriteReply();
                break;
            default:
                break;  // a sign of life, nothing more
            }
        }
    }
    image_.RxCount = 0;
    image_.RequestCountdown = 1;  // the next request goes out at the next tick
}

void CommCycle::ApplyProcessReply()
{
    for (int k = 0; k < RegistersPerBlock; ++k) {
        const std::int32_t v = DecodeWord(image_, 2 + 2 * k);
        const int r = FirstProcessRegister + k;
        image_.DeviceValues[r] = v;
        if (image_.PendingEdit[r] == 0)
            image_.Values[r] = v;
        else if (v == image_.Values[r])
            image_.PendingEdit[r] = 0;  // the unit now reports the edited value
    }
    host_.ShowStatus(ProcessReceivedText, clBlack);
    host_.RefreshMenuRows();
    host_.UpdateOverview();
}

void CommCycle::ApplyControlsReply()
{
    for (int k = 0; k < RegistersPerBlock; ++k) {
        image_.Values[k] = DecodeWord(image_, 2 + 2 * k);
        image_.DeviceValues[k] = image_.Values[k];
    }
    host_.ShowStatus(ControlsReceivedText, clBlack);
    image_.DataStale = 0;
    host_.RefreshMenuRows();
}

void CommCycle::VerifyWriteReply()
{
    // Words up to the first difference count as confirmed; the menus refresh with the
    // next process reply.
    for (int k = 0; k < RegistersPerBlock; ++k) {
        if (DecodeWord(image_, 2 + 2 * k) != image_.Values[k]) {
            host_.ShowStatus(WrongDataText, clRed);
            return;
        }
        image_.DeviceValues[k] = image_.Values[k];
        image_.DataStale = 0;
    }
}

void CommCycle::ApdComPort1TriggerAvail(int count)
{
    for (int i = 0; i < count; ++i) {
        image_.RxBuffer[image_.RxCount] = port_.GetChar();
        ++image_.RxCount;
        if (image_.RxCount > RxCountLimit)
            image_.RxCount = RxCountLimit;  // later bytes keep overwriting the last slot
        image_.RxIdleCountdown = 1;
    }
    host_.ShowReceived(image_.RxCount);
}

void CommCycle::BitBtnHaalClick()
{
    image_.PendingEdit.fill(0);  // unsent process edits are dropped
    host_.CloseValueEditor();
    image_.CommState = ReadControls;
    host_.EnableGetSend(false);
}

void CommCycle::BitBtnZendClick()
{
    if (!dialogs_.AskOkCancel(SendQuestion, WarningCaption))
        return;
    host_.CloseValueEditor();
    image_.CommState = WriteControls;
    host_.EnableGetSend(false);
}

void CommCycle::EditComNrChange(int portNumber)
{
    try {
        port_.Close();
        port_.SetPortNumber(portNumber);
        port_.Open();
    } catch (...) {
        // Dropped on purpose: the port stays closed, which the indicator shows.
    }
}

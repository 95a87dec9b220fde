#pragma once
// The communication cycle: a 100 ms tick that polls the unit, reads and writes its
// settings, watches the link and applies replies to the value image. Frames are
// delimited by silence: one whole tick without a byte ends a frame.
//
// Everything runs on the UI thread, one handler at a time; no locks.

#include <cstdint>
#include <vector>

#include "app/ValueImage.h"

class CycleHost;
class Dialogs;
class SerialPort;

constexpr int TickMilliseconds = 100;  // the period of the cycle's timer

// Counts in ticks.
constexpr std::int32_t RequestPeriodTicks = 15;
constexpr std::int32_t SlotWatchdogFloorTicks = 10;
constexpr std::int32_t FrameWatchdogTicks = 50;
constexpr std::int32_t MinimumFrameBytes = 2;

constexpr const char* NoConnectionText = "No/broken connection";
constexpr const char* ReadingProcessText = "Reading process from Ventaro XL...";
constexpr const char* ReadingControlsText = "Reading controls from Ventaro XL...";
constexpr const char* WritingControlsText = "Writing controls to Ventaro XL...";
constexpr const char* WritingControls2Text = "Writing controls(2) to Ventaro XL...";
constexpr const char* ProcessReceivedText = "Process received from Ventaro XL";
constexpr const char* ControlsReceivedText = "Controls received from Ventaro XL";
constexpr const char* WrongDataText = "!Wrong data in Ventaro XL!";
constexpr const char* SendQuestion = "Sending data from PC to Ventaro XL, sure to do this?";

class CommCycle {
public:
    CommCycle(ValueImage& image, SerialPort& port, CycleHost& host, Dialogs& dialogs);

    void Timer1Timer();
    void ApdComPort1TriggerAvail(int count);  // count: 0..65535 bytes waiting
    void BitBtnHaalClick();
    void BitBtnZendClick();
    // The port field changed: reopen on the new number. Port errors are dropped: the
    // indicator and the watchdog tell the engineer.
    void EditComNrChange(int portNumber);

private:
    void RequestSlot();
    void EvaluateFrame();
    void ApplyProcessReply();
    void ApplyControlsReply();
    void VerifyWriteReply();
    void Send(const std::vector<std::uint8_t>& frame);
    bool Differs(int firstRegister) const;

    ValueImage& image_;
    SerialPort& port_;
    CycleHost& host_;
    Dialogs& dialogs_;
};

#pragma once
// What the communication cycle drives on the screen: the main window implements it.

#include <string>

#include "app/Colour.h"

class CycleHost {
public:
    virtual ~CycleHost() = default;
    virtual void ShowStatus(const std::string& text, Rgb colour) = 0;
    virtual void EnableGetSend(bool on) = 0;
    virtual void ShowPortOpen(bool open) = 0;   // the port indicator
    virtual void ShowReceived(int rxCount) = 0; // the receive bar
    virtual void RefreshMenuRows() = 0;
    virtual void UpdateOverview() = 0;
    virtual void CloseValueEditor() = 0;        // as the editor's X button does
};

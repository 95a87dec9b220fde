#pragma once
// Records what the communication cycle shows, for tests.

#include <string>
#include <vector>

#include "link/CycleHost.h"

struct RecordingHost : CycleHost {
    std::vector<std::string> statuses;  // every ShowStatus text in order
    std::string status = "No action";
    Rgb colour{};
    bool getSendEnabled = false;
    bool portShownOpen = false;
    int receiveBar = 0;
    int menuRefreshes = 0;
    int overviewUpdates = 0;
    int editorCloses = 0;

    void ShowStatus(const std::string& text, Rgb c) override
    {
        statuses.push_back(text);
        status = text;
        colour = c;
    }
    void EnableGetSend(bool on) override { getSendEnabled = on; }
    void ShowPortOpen(bool open) override { portShownOpen = open; }
    void ShowReceived(int rxCount) override { receiveBar = rxCount; }
    void RefreshMenuRows() override { ++menuRefreshes; }
    void UpdateOverview() override { ++overviewUpdates; }
    void CloseValueEditor() override { ++editorCloses; }
};

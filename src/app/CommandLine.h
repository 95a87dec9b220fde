#pragma once
// The command line of ventaro-xl. With no options the tool behaves as the unit's
// engineers know it: port 1 opened at start.
//
//   --port N=DEVICE   port number N (1..16) of the port field opens DEVICE (repeatable)
//   --demo            a simulated unit inside the process, port 1 mapped to it
//   --help, --version

#include <array>
#include <string>
#include <vector>

constexpr int LowestPortNumber = 1;
constexpr int HighestPortNumber = 16;

// The device that each port number opens; starts as the platform's default table.
class PortTable {
public:
    PortTable();
    const std::string& DeviceFor(int portNumber) const;  // "" outside 1..16
    void Map(int portNumber, const std::string& device);

private:
    std::array<std::string, HighestPortNumber + 1> devices_;
};

struct CommandLine {
    PortTable Ports;
    bool Demo = false;
    bool Help = false;
    bool Version = false;
    std::string Error;  // non-empty: the line was not understood; says why
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text printed for --help.
std::string UsageText(const std::string& programName);

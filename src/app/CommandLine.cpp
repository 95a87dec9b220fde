#include "app/CommandLine.h"

#include <charconv>

PortTable::PortTable()
{
    for (int n = LowestPortNumber; n <= HighestPortNumber; ++n) {
#ifdef _WIN32
        devices_[n] = "COM" + std::to_string(n);
#else
        devices_[n] = "/dev/ttyS" + std::to_string(n - 1);
#endif
    }
}

const std::string& PortTable::DeviceFor(int portNumber) const
{
    static const std::string none;
    if (portNumber < LowestPortNumber || portNumber > HighestPortNumber)
        return none;
    return devices_[portNumber];
}

void PortTable::Map(int portNumber, const std::string& device)
{
    if (portNumber >= LowestPortNumber && portNumber <= HighestPortNumber)
        devices_[portNumber] = device;
}

namespace {

// "N=DEVICE" with N in 1..16 and a non-empty device; false when malformed.
bool ParsePortMapping(const std::string& text, int& number, std::string& device)
{
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 >= text.size())
        return false;
    const char* first = text.data();
    const char* last = text.data() + eq;
    const auto [end, ec] = std::from_chars(first, last, number);
    if (ec != std::errc() || end != last)
        return false;
    if (number < LowestPortNumber || number > HighestPortNumber)
        return false;
    device = text.substr(eq + 1);
    return true;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size() && line.Error.empty(); ++i) {
        const std::string& arg = arguments[i];
        if (arg == "--demo") {
            line.Demo = true;
        } else if (arg == "--help" || arg == "-h") {
            line.Help = true;
        } else if (arg == "--version") {
            line.Version = true;
        } else if (arg == "--port" || arg.rfind("--port=", 0) == 0) {
            std::string value;
            if (arg == "--port") {
                if (i + 1 >= arguments.size()) {
                    line.Error = "--port needs N=DEVICE";
                    break;
                }
                value = arguments[++i];
            } else {
                value = arg.substr(7);
            }
            int number = 0;
            std::string device;
            if (!ParsePortMapping(value, number, device))
                line.Error = "--port needs N=DEVICE with N from 1 to 16, not '" + value + "'";
            else
                line.Ports.Map(number, device);
        } else {
            line.Error = "unknown option '" + arg + "'";
        }
    }
    return line;
}

std::string UsageText(const std::string& programName)
{
    return "Usage: " + programName + " [--port N=DEVICE]... [--demo]\n"
           "  --port N=DEVICE  port number N (1..16) of the port field opens DEVICE\n"
           "                   (default: /dev/ttyS{N-1})\n"
           "  --demo           run against a simulated unit inside the tool (port 1)\n"
           "  --help           show this text\n"
           "  --version        show the version\n";
}

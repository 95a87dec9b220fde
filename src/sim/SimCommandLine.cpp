#include "sim/SimCommandLine.h"

#include <charconv>

namespace {

// Splits "--name=value" or takes the next argument as the value of "--name".
// False when `arg` is not this option; sets `error` when its value is missing.
bool OptionValue(const std::vector<std::string>& arguments, std::size_t& i, const std::string& name,
                 std::string& value, std::string& error)
{
    const std::string& arg = arguments[i];
    if (arg == name) {
        if (i + 1 >= arguments.size()) {
            error = name + " needs a value";
            return true;
        }
        value = arguments[++i];
        return true;
    }
    if (arg.rfind(name + "=", 0) == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

bool ParseSeed(const std::string& text, std::uint32_t& seed)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, seed);
    return first != last && ec == std::errc() && end == last;
}

} // namespace

SimCommandLine ParseSimCommandLine(const std::vector<std::string>& arguments)
{
    SimCommandLine line;
    SimOptions& o = line.Options;
    for (std::size_t i = 0; i < arguments.size() && line.Error.empty(); ++i) {
        const std::string& arg = arguments[i];
        std::string value;
        if (arg == "--help" || arg == "-h") {
            line.Help = true;
        } else if (arg == "--no-pacing") {
            o.Pacing = false;
        } else if (OptionValue(arguments, i, "--link", value, line.Error)) {
            if (line.Error.empty() && value.empty())
                line.Error = "--link needs a path";
            o.LinkPath = value;
        } else if (OptionValue(arguments, i, "--device", value, line.Error)) {
            if (line.Error.empty() && value.empty())
                line.Error = "--device needs a device path";
            o.Device = value;
        } else if (OptionValue(arguments, i, "--fault", value, line.Error)) {
            if (!line.Error.empty())
                break;
            if (const auto fault = ParseFault(value, line.Error))
                o.Faults.push_back(*fault);
        } else if (OptionValue(arguments, i, "--seed", value, line.Error)) {
            if (line.Error.empty() && !ParseSeed(value, o.Seed))
                line.Error = "--seed needs a whole number from 0 to 4294967295, not '" + value + "'";
        } else {
            line.Error = "unknown option '" + arg + "'";
        }
    }
    return line;
}

std::string SimUsageText(const std::string& programName)
{
    return "Usage: " + programName +
           " [--link PATH] [--device DEV] [--no-pacing] [--fault KIND[=RATE]]... [--seed N]\n"
           "A simulated Ventaro XL controller on a pseudo-terminal. Prints the terminal's\n"
           "path as its first line and runs until interrupted.\n"
           "  --link PATH          make PATH a symbolic link to the pseudo-terminal\n"
           "  --device DEV         answer on the serial device DEV (9600 8N1) instead\n"
           "  --no-pacing          send each reply at once instead of at 9600 baud\n"
           "  --fault KIND[=RATE]  misbehave with chance RATE (0..1, default 1) per reply;\n"
           "                       KIND: drop, corrupt, cut, noise, slow, refuse, vanish\n"
           "                       (vanish: the line closes after the reply and comes\n"
           "                       back on the same link path 3 seconds later)\n"
           "  --seed N             seed of the chance decisions (default 1)\n"
           "  --help               show this text\n";
}

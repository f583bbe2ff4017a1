// Reading zolt-sim's command line.
#include "app/sim/SimOptions.h"

#include <cstdlib>
#include <functional>
#include <map>

namespace sim {

namespace {

constexpr const char* kUsage =
    "usage: zolt-sim [OPTIONS]\n"
    "\n"
    "Emulates a Zolt MCU, Pocket Programmer or CIM on a pseudo-terminal. Prints the device\n"
    "to open as the serial port; the unit powers up (identifies itself) each time the port is\n"
    "opened and loses power when it is closed. Ends on Ctrl-C or SIGTERM.\n"
    "\n"
    "  --unit mcu|pp|cim          the unit (mcu)\n"
    "  --interface-version N      third byte of the identification (1); above 1 the PC sets\n"
    "                             up the speed and tests it\n"
    "  --firmware MAJOR.MINOR     MCU firmware version in register 100 bytes B, C (1.30)\n"
    "  --ident-fault none|checksum|stray\n"
    "                             first identify with a wrong checksum or a stray 0x12\n"
    "  --power-up-delay MS        from the port opening to the identification (50)\n"
    "  --link PATH                make PATH a symlink to the device\n"
    "  --memory FILE.zlp          the program the MCU or PP holds at start\n"
    "  --dump OUT                 at exit write the MCU or PP memory as a program file, or\n"
    "                             the CIM panel area (0x0000..0x0403) as raw bytes\n"
    "  --pace                     bytes take their real time on the line at 9600 or 19200\n"
    "  --corrupt-echo PERCENT     garble that share of the requests taken in (0)\n"
    "  --seed N                   seed of the garbling (1)\n"
    "  --stop-after N             answer N requests, then fall silent\n"
    "  --hangup-after N           answer N requests, then drop the line and end\n"
    "  --late MS                  take MS over each request before answering it, one\n"
    "                             request at a time (0)\n"
    "  --trace FILE               run mode reports: lines 'PAGE LINE' (page A..F or a\n"
    "                             number sent as it is, line number from 1); default: walk\n"
    "                             page A of the memory\n"
    "  --execute                  run mode executes the program in memory on the simulator\n"
    "                             (its timers with the --memory file's panel settings, every\n"
    "                             input off) and reports, every trace interval, the line each\n"
    "                             page ran last; not with --trace\n"
    "  --trace-order page|line|alternate\n"
    "                             byte order of reports with the newer interface (page)\n"
    "  --trace-repeat N           reports per line when walking page A (2)\n"
    "  --trace-interval MS        time between reports (100)\n"
    "  --pp-send FILE.zlp         as a PP, send this program to the PC\n"
    "  --pp-receive OUT.zlp       as a PP, ask the PC for its program; written at exit\n"
    "  --pp-start-delay MS        quiet time after connecting before the PP starts (300)\n"
    "  --pp-retries N             repeats of a message answered wrongly (3)\n"
    "  --pp-corrupt N             send message N (from 0) once with a wrong checksum\n"
    "  --pp-pause N:MS            pause MS before message N\n";

bool ParseInt(const std::string& text, long low, long high, int& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseMillis(const std::string& text, Millis& value) {
    int ms = 0;
    if (!ParseInt(text, 0, 3'600'000, ms))
        return false;
    value = Millis(ms);
    return true;
}

// "A.B" into two numbers 0..255.
bool ParsePair(const std::string& text, char separator, long high, int& a, int& b) {
    const std::size_t at = text.find(separator);
    return at != std::string::npos && ParseInt(text.substr(0, at), 0, high, a) &&
           ParseInt(text.substr(at + 1), 0, high, b);
}

template <typename T>
bool ParseWord(const std::string& text, const std::map<std::string, T>& words, T& value) {
    const auto found = words.find(text);
    if (found == words.end())
        return false;
    value = found->second;
    return true;
}

}  // namespace

const char* SimUsage() {
    return kUsage;
}

std::string ParseSimOptions(const std::vector<std::string>& args, SimOptions& options) {
    UnitSetup& s = options.Setup;
    int pauseMs = 0;
    bool kindGiven = false;
    // Each option that takes a value: how it is read.
    const std::map<std::string, std::function<bool(const std::string&)>> valued{
        {"--unit",
         [&](const std::string& v) {
             kindGiven = true;
             return ParseWord<UnitKind>(
                 v, {{"mcu", UnitKind::Mcu}, {"pp", UnitKind::Pp}, {"cim", UnitKind::Cim}}, s.Kind);
         }},
        {"--interface-version",
         [&](const std::string& v) { return ParseInt(v, 0, 255, s.InterfaceVersion); }},
        {"--firmware",
         [&](const std::string& v) {
             return ParsePair(v, '.', 255, s.FirmwareMajor, s.FirmwareMinor);
         }},
        {"--ident-fault",
         [&](const std::string& v) {
             return ParseWord<IdentFault>(v,
                                          {{"none", IdentFault::None},
                                           {"checksum", IdentFault::Checksum},
                                           {"stray", IdentFault::Stray}},
                                          s.Fault);
         }},
        {"--power-up-delay", [&](const std::string& v) { return ParseMillis(v, s.PowerUpDelay); }},
        {"--link",
         [&](const std::string& v) {
             options.Link = v;
             return !v.empty();
         }},
        {"--memory",
         [&](const std::string& v) {
             options.MemoryFile = v;
             return !v.empty();
         }},
        {"--dump",
         [&](const std::string& v) {
             options.DumpFile = v;
             return !v.empty();
         }},
        {"--corrupt-echo",
         [&](const std::string& v) { return ParseInt(v, 0, 100, s.CorruptEchoPercent); }},
        {"--seed",
         [&](const std::string& v) {
             int seed = 0;
             const bool ok = ParseInt(v, 0, 2'147'483'647, seed);
             s.Seed = static_cast<uint32_t>(seed);
             return ok;
         }},
        {"--stop-after",
         [&](const std::string& v) { return ParseInt(v, 0, 1'000'000'000, s.StopAfter); }},
        {"--hangup-after",
         [&](const std::string& v) { return ParseInt(v, 0, 1'000'000'000, s.HangupAfter); }},
        {"--late", [&](const std::string& v) { return ParseMillis(v, s.ReplyDelay); }},
        {"--trace",
         [&](const std::string& v) {
             options.TraceFile = v;
             return !v.empty();
         }},
        {"--trace-order",
         [&](const std::string& v) {
             return ParseWord<TraceOrder>(v,
                                          {{"page", TraceOrder::PageFirst},
                                           {"line", TraceOrder::LineFirst},
                                           {"alternate", TraceOrder::Alternate}},
                                          s.Order);
         }},
        {"--trace-repeat",
         [&](const std::string& v) { return ParseInt(v, 1, 1000, s.TraceRepeat); }},
        {"--trace-interval",
         [&](const std::string& v) {
             return ParseMillis(v, s.TraceInterval) && s.TraceInterval.count() > 0;
         }},
        {"--pp-send",
         [&](const std::string& v) {
             options.MemoryFile = v;
             s.Exchange = PpExchange::Send;
             return !v.empty();
         }},
        {"--pp-receive",
         [&](const std::string& v) {
             options.PpReceiveFile = v;
             s.Exchange = PpExchange::Receive;
             return !v.empty();
         }},
        {"--pp-start-delay", [&](const std::string& v) { return ParseMillis(v, s.PpStartDelay); }},
        {"--pp-retries", [&](const std::string& v) { return ParseInt(v, 0, 1000, s.PpRetries); }},
        {"--pp-corrupt",
         [&](const std::string& v) { return ParseInt(v, 0, 844, s.PpCorruptMessage); }},
        {"--pp-pause",
         [&](const std::string& v) {
             const bool ok = ParsePair(v, ':', 3'600'000, s.PpPauseBefore, pauseMs);
             s.PpPause = Millis(pauseMs);
             return ok;
         }},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.Help = true;
            return "";
        }
        if (arg == "--pace") {
            options.Pace = true;
            continue;
        }
        if (arg == "--execute") {
            s.Execute = true;
            continue;
        }
        const auto option = valued.find(arg);
        if (option == valued.end())
            return "unknown option '" + arg + "'";
        if (i + 1 >= args.size())
            return arg + " needs a value";
        if (!option->second(args[++i]))
            return "bad value '" + args[i] + "' for " + arg;
    }
    if (s.Execute && !options.TraceFile.empty())
        return "--execute and --trace exclude each other";
    if (s.Exchange != PpExchange::None) {
        if (kindGiven && s.Kind != UnitKind::Pp)
            return "--pp-send and --pp-receive are for --unit pp";
        s.Kind = UnitKind::Pp;
    }
    return "";
}

}  // namespace sim

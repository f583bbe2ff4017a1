// Reading and writing zolt-sim's files.
#include "app/sim/SimFiles.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include "files/ProgramFile.h"
#include "model/Program.h"

namespace sim {

namespace {

constexpr std::size_t kModuleAreaSize = 0x0404;  // entries, messages and the panel words

}  // namespace

LineImage ImageOfProgram(const model::Program& program) {
    LineImage image{};
    for (int r = 0; r < model::kRecordCount; ++r) {
        for (int i = 0; i < 4; ++i)
            image[r][i] = static_cast<uint8_t>(program.PgmData[r].Code[i] & 0xFF);
    }
    return image;
}

model::Program ProgramOfImage(const LineImage& image) {
    model::Program program;
    for (int r = 0; r < model::kRecordCount; ++r) {
        for (int i = 0; i < 4; ++i)
            program.PgmData[r].Code[i] = image[r][i];
    }
    return program;
}

std::string LoadMemory(const std::string& path, UnitSetup& setup) {
    model::Program program;
    const files::LoadReport report = files::LoadProgram(program, path);
    if (!report.Complete)
        return report.Message(path);
    setup.Memory = ImageOfProgram(program);
    setup.TimerSettings = program.Tmr;
    return "";
}

std::string SaveImage(const std::string& path, const LineImage& image) {
    model::Program program = ProgramOfImage(image);
    const std::string error = files::SaveProgram(program, path);
    return error.empty() ? "" : path + ": " + error;
}

std::string LoadTraceScript(const std::string& path, std::vector<TracePoint>& points) {
    std::ifstream in(path);
    if (!in)
        return path + ": cannot open";
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        std::istringstream line(text);
        std::string page;
        int lineNumber = 0;
        if (!(line >> page) || page[0] == '#')
            continue;
        TracePoint point;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(page[0])));
        if (page.size() == 1 && letter >= 'A' && letter <= 'F') {
            point.Page = letter - 'A' + 1;
        } else {
            std::istringstream numeric(page);
            if (!(numeric >> point.Page) || !numeric.eof() || point.Page < 0 || point.Page > 255)
                return path + ": line " + std::to_string(number) + ": bad page '" + page + "'";
        }
        if (!(line >> lineNumber) || lineNumber < 1 || lineNumber > 256)
            return path + ": line " + std::to_string(number) + ": expected a line number 1..256";
        point.Offset = lineNumber - 1;
        points.push_back(point);
    }
    if (points.empty())
        return path + ": no trace reports";
    return "";
}

std::string SaveModuleArea(const std::string& path, const std::vector<uint8_t>& memory) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(memory.data()),
              static_cast<std::streamsize>(std::min(memory.size(), kModuleAreaSize)));
    return out ? "" : path + ": cannot write";
}

}  // namespace sim

// The state and task words.
#include "link/LinkState.h"

namespace comm {

const char* StateWord(CommStateWord state) {
    switch (state) {
        case CommStateWord::None:
            return "none";
        case CommStateWord::Data:
            return "DATA";
        case CommStateWord::Mcu:
            return "MCU";
        case CommStateWord::Pp:
            return "PP";
        case CommStateWord::Cim:
            return "CIM";
        case CommStateWord::McuX:
            return "MCUx";
        case CommStateWord::PpX:
            return "PPx";
        case CommStateWord::CimX:
            return "CIMx";
        case CommStateWord::Run:
            return "RUN";
        case CommStateWord::XRun:
            return "xRUN";
        case CommStateWord::Err:
            break;
    }
    return "ERR";
}

const char* TaskWord(CommTaskWord task) {
    switch (task) {
        case CommTaskWord::None:
            return "";
        case CommTaskWord::TestCommHi:
            return "TestCommHi";
        case CommTaskWord::DataRead:
            return "dataread";
        case CommTaskWord::DataSend:
            return "datasend";
        case CommTaskWord::RunDisp:
            return "rundisp";
        case CommTaskWord::TimerSend:
            return "timersend";
        case CommTaskWord::CounterSend:
            return "countersend";
        case CommTaskWord::TimerRead:
            return "timerread";
        case CommTaskWord::CounterRead:
            break;
    }
    return "counterread";
}

}  // namespace comm

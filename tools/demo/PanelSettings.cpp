// The sample program's timers, counters and panel messages.
#include "tools/demo/PanelSettings.h"

#include <utility>
#include <vector>

#include "model/Program.h"
#include "panels/PanelEditor.h"
#include "tools/demo/Plant.h"

namespace demo {

namespace {

using panels::PanelOption;
using panels::ValueField;

struct EntrySetting {
    int Number;  // 1..8
    const char* Name;
    const char* Set;
    const char* High;
    const char* Low;
    bool Bit6;  // timer: shows the set time; counter: reset from the front panel
    bool Bit7;  // timer: adjustments kept; counter: remembers changes
    bool CountRemembered;
};

struct MessageSetting {
    int Number;  // 1..15
    const char* Top;
    const char* Bottom;
};

struct PanelSetting {
    const panels::PanelKind& Kind;
    model::PanelTables model::Program::*Tables;
    std::vector<EntrySetting> Entries;
    std::vector<MessageSetting> Messages;
};

const std::vector<PanelSetting>& Settings() {
    static const std::vector<PanelSetting> settings{
        {panels::TimerPanel(),
         &model::Program::Tmr,
         {
             // The operator trims the fill time for a new product and it stays after a power cut.
             {kFillTimer, "Fill time", "4.50", "6.00", "3.00", false, true, false},
             {kCapTimer, "Capping", "1.20", "2.00", "0.80", true, false, false},
             {kInfeedTimer, "Infeed watch", "30.00", "120.00", "10.00", false, true, false},
         },
         {
             {tmsg::kReady, "LINE READY", "PRESS START"},
             {tmsg::kRunning, "LINE RUNNING", "0.5 L BOTTLE"},
             {tmsg::kEStop, "EMERGENCY", "STOP ACTIVE"},
             {tmsg::kTankLow, "TANK LOW", "FILLER WAITS"},
             {tmsg::kTankEmpty, "TANK EMPTY", "FILL HELD"},
             {tmsg::kNoBottles, "NO BOTTLES", "CHECK INFEED"},
             {tmsg::kPartFill, "PART FILL", "TAKE BOTTLE"},
             {tmsg::kJam, "BOTTLE JAM", "CLEAR INFEED"},
             {tmsg::kCapsLow, "CAPS LOW", "FILL HOPPER"},
         }},
        {panels::CounterPanel(),
         &model::Program::Ctr,
         {
             // The pallet count and the rejects survive a power cut in the middle of a pallet.
             {kGoodCounter, "Good bottles", "2400", "3000", "100", true, true, true},
             {kRejectCounter, "Rejects", "48", "100", "10", false, true, true},
             {kSampleCounter, "QA samples", "5", "10", "1", true, false, false},
         },
         {
             {cmsg::kPalletFull, "PALLET FULL", "TURN KEY"},
             {cmsg::kRejectsHigh, "REJECTS HIGH", "CHECK CAPPER"},
             {cmsg::kSamplesDone, "QA SAMPLES", "ALL TAKEN"},
         }},
    };
    return settings;
}

std::string Refused(const char* what, const std::string& why) {
    return std::string("the panel window refuses ") + what + ": " + why;
}

// The high limit first: leaving the set value checks it against both limits.
std::string TypeEntry(panels::PanelEditor& editor, const EntrySetting& e) {
    editor.ShowEntry(e.Number - 1);
    if (editor.TypeName(e.Name) != e.Name)
        return Refused(e.Name, "too long or quoted");
    const std::pair<ValueField, const char*> values[] = {
        {ValueField::High, e.High}, {ValueField::Set, e.Set}, {ValueField::Low, e.Low}};
    for (const auto& [field, text] : values) {
        editor.ValueTyped();
        const panels::LeaveResult left = editor.Leave(field, text, panels::FocusTarget::Other);
        if (!left.Error.empty())
            return Refused(e.Name, left.Error);
    }
    editor.SetOption(PanelOption::Bit6, e.Bit6);
    editor.SetOption(PanelOption::Bit7, e.Bit7);
    if (editor.Kind().RemembersCounts)
        editor.SetOption(PanelOption::CountRemembered, e.CountRemembered);
    return std::string();
}

std::string TypeMessage(panels::PanelEditor& editor, const MessageSetting& m) {
    editor.ShowMessage(m.Number - 1);
    if (editor.TypeMessage(true, m.Top) != m.Top)
        return Refused(m.Top, "too long or quoted");
    if (editor.TypeMessage(false, m.Bottom) != m.Bottom)
        return Refused(m.Bottom, "too long or quoted");
    return std::string();
}

}  // namespace

std::string SetUpPanels(model::Program& program) {
    for (const PanelSetting& panel : Settings()) {
        panels::PanelEditor editor(panel.Kind, program.*panel.Tables);
        for (const EntrySetting& e : panel.Entries) {
            if (std::string error = TypeEntry(editor, e); !error.empty())
                return error;
        }
        for (const MessageSetting& m : panel.Messages) {
            if (std::string error = TypeMessage(editor, m); !error.empty())
                return error;
        }
        editor.Apply(program.*panel.Tables, program.PgmChanged);
    }
    return std::string();
}

}  // namespace demo

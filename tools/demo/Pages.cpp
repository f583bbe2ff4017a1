// The sample program's pages: the main sequence, the filler, the capper, the pallet count, the
// buffer tank and the alarms.
#include "tools/demo/Pages.h"

#include "tools/demo/Plant.h"

namespace demo {

namespace {

Page MainSequence() {
    return {
        "Main sequence: start, stop and safety",
        {
            {1, TurnOff(out::kConveyor),
             "Line stopped. Every stop, normal or emergency, comes back here through the End "
             "Page line at the bottom: conveyor off, filler and capper frozen, and the panel "
             "asks for START."},
            {2, TurnOff(out::kGreen), "Running lamp off."},
            {3, FreezePage('B'),
             "Hold the filler and the capper where they are while the line stands."},
            {4, FreezePage('C'), ""},
            {5, TimerPanelMessage(tmsg::kReady), "Timer panel: LINE READY / PRESS START."},
            {6, CompareInputs(Compare::AllOn, in::kStop, in::kEStop, in::kGuard),
             "Wait until STOP is released, the emergency stop chain is made and every guard "
             "door is shut."},
            {7, CompareInputs(Compare::AllOff, in::kBtlJam, in::kCapsLow),
             "No jam at the infeed and caps in the hopper; page F watches both while the line "
             "runs."},
            {8, CompareInputs(Compare::AnyOn, in::kStart, in::kStart2),
             "Wait for START on the main panel or at the capper end of the line."},
            {9, CheckInput(in::kAirOk, true, 5),
             "Without air the capper cannot close a cap: back to the ready message instead of "
             "starting."},
            {10, TurnOnFor(out::kHorn, 0.5),
             "Start-up warning on the horn, repeated by line 12, one second apart, before "
             "anything moves."},
            {11, Wait(1.0), ""},
            {12, RepeatFrom(10, 2), ""},
            {13, ResetPage('B'),
             "The filler and the capper start again from their line 1, whatever they were "
             "doing when the line stopped."},
            {14, ResetPage('C'), ""},
            {15, ThawPage('B'), ""},
            {16, ThawPage('C'), ""},
            {17, SetOutput(out::kConvSpd, 60),
             "Conveyor drive at 60 percent: about 40 bottles a minute with the 0.5 litre "
             "bottle."},
            {18, TurnOn(out::kConveyor), ""},
            {19, TurnOn(out::kGreen), ""},
            {20, TimerPanelMessage(tmsg::kRunning), ""},
            {21, CompareInputs(Compare::AnyOff, in::kStop, in::kEStop, in::kGuard),
             "Running. Wait here until STOP is pressed, the emergency stop chain breaks or a "
             "guard door opens."},
            {22, CheckInput(in::kEStop, false, 30),
             "A normal stop (STOP or a guard door) goes to End Page and so back to line 1; an "
             "emergency stop carries on below."},
            {23, SetOutput(out::kFillPmp, 0),
             "Emergency stop: the filling pump and the capping head stop at once, line 1 stops "
             "the rest."},
            {24, TurnOff(out::kCapper), ""},
            {25, TurnOnFor(out::kHorn, 3.0), ""},
            {26, TimerPanelMessage(tmsg::kEStop), ""},
            {27, CheckTimer(kFillTimer, true, 29),
             "Timer 1 still running means a bottle was being filled: ask the operator to take "
             "it off the line."},
            {28, TimerPanelMessage(tmsg::kPartFill), ""},
            {29, CheckInput(in::kEStop, true),
             "Wait until the emergency stop has been released and reset."},
            {30, EndPage(), ""},
        },
    };
}

Page Filler() {
    return {
        "Filler: nozzle, pump and fill time",
        {
            {1, CheckInput(in::kBtlFill, true),
             "Wait for a bottle under the filling nozzle; the star wheel holds it there."},
            {2, CheckLevelBelow(in::kTankLvl, 1.0, 5),
             "Buffer tank below 10 percent? Page E is filling it: wait for the level rather "
             "than fill a bottle half full."},
            {3, TimerPanelMessage(tmsg::kTankLow), ""},
            {4, CheckLevelAbove(in::kTankLvl, 2.0),
             "Wait until the tank is back above 20 percent."},
            {5, TurnOn(out::kNozLwr),
             "Lower the nozzle into the bottle neck and wait until it is down."},
            {6, CheckInput(in::kNozDown, true), ""},
            {7, SetOutput(out::kFillPmp, 75),
             "Filling pump at 75 percent, the speed for a full tank."},
            {8, CheckLevelBelow(in::kTankLvl, 3.0, 10),
             "Less head in a tank below 30 percent: 10 percent more pump speed keeps the fill "
             "time the same."},
            {9, IncreaseOutput(out::kFillPmp, 10), ""},
            {10, StartTimer(kFillTimer, true),
             "Timer 1 is the fill time; the operator trims it on the timer panel between its "
             "low and high limits."},
            {11, CheckLevelAbove(in::kPressure, 8.0, 14),
             "Nozzle pressure above 3.2 bar means foam: take 5 percent off the pump and let it "
             "settle."},
            {12, DecreaseOutput(out::kFillPmp, 5), ""},
            {13, Wait(0.5), ""},
            {14, CheckTimer(kFillTimer, false, 11),
             "Until timer 1 has run out (status OFF), go back to line 11 and keep watching the "
             "pressure."},
            {15, SetOutput(out::kFillPmp, 0),
             "Fill done. Page F moves this page here when a jam stops the line in the middle of "
             "a fill."},
            {16, TurnOff(out::kNozLwr), ""},
            {17, CheckInput(in::kNozUp, true),
             "Wait until the nozzle is clear of the bottle before it moves on."},
            {18, DisplayTimer(kFillTimer),
             "Timer panel back to the set fill time while the next bottle comes."},
            {19, CheckInput(in::kBtlFill, false),
             "Wait until the filled bottle has left, so that it is not filled twice."},
            {20, EndPage(), ""},
        },
    };
}

Page Capper() {
    return {
        "Capper and reject",
        {
            {1, CheckInput(in::kBtlCap, true), "Wait for a filled bottle in the capping head."},
            {2, TurnOnFor(out::kCapFeed, 0.8),
             "Drop one cap onto the bottle neck and give it a second to settle."},
            {3, Wait(1.0), ""},
            {4, TurnOn(out::kCapper), "Capping head on for the capping time of timer 2."},
            {5, StartTimer(kCapTimer), ""},
            {6, WaitForTimer(kCapTimer), ""},
            {7, TurnOff(out::kCapper), ""},
            {8, CheckInput(in::kCapOk, true, 11),
             "The head signals a cap screwed down to torque; without it the bottle is rejected "
             "at line 11."},
            {9, IncrementCounter(kGoodCounter, true),
             "A good bottle: one more on the pallet count of the counter panel."},
            {10, CheckOutput(out::kCapper, true, 13),
             "The capping head is off by now, so this line always moves on to line 13: a good "
             "bottle skips the reject."},
            {11, IncrementCounter(kRejectCounter),
             "A bad cap: count the reject and push the bottle off."},
            {12, TurnOnFor(out::kReject, 0.6), ""},
            {13, CheckInput(in::kBtlCap, false),
             "Wait until the bottle has left the capping head."},
            {14, EndPage(), ""},
        },
    };
}

Page PalletCount() {
    return {
        "Pallet count and infeed watch",
        {
            {1, CheckInput(in::kBtlFill, true, 3),
             "Every bottle at the filler starts the infeed watch of timer 3 again."},
            {2, StartTimer(kInfeedTimer), ""},
            {3, CheckTimer(kInfeedTimer, false, 6),
             "While timer 3 runs, bottles are coming; once it has run out with the conveyor "
             "on, the infeed has run dry."},
            {4, CheckOutput(out::kConveyor, true, 6), ""},
            {5, TimerPanelMessage(tmsg::kNoBottles), ""},
            {6, CounterAtOrAbove(kGoodCounter, 2400, 18),
             "2400 bottles make a pallet, the set count of counter 1 on the counter panel."},
            {7, CounterPanelMessage(cmsg::kPalletFull),
             "Pallet full: the beacon stays on until the operator has changed the pallet and "
             "turned the key switch."},
            {8, TurnOn(out::kBeacon), ""},
            {9, CheckInput(in::kPalChg, true), ""},
            {10, TurnOff(out::kBeacon), ""},
            {11, CounterAtOrAbove(kRejectCounter, 48, 13),
             "48 rejects or more on a pallet is 2 percent: ask for the capping head to be "
             "checked."},
            {12, CounterPanelMessage(cmsg::kRejectsHigh), ""},
            {13, CheckInput(in::kPalChg, false),
             "Wait until the key switch is turned back: the operator has read the counter "
             "panel."},
            {14, ResetCounter(kGoodCounter),
             "New pallet: bottles, rejects and QA samples count from 0 again."},
            {15, ResetCounter(kRejectCounter), ""},
            {16, ResetCounter(kSampleCounter), ""},
            {17, DisplayCounter(kGoodCounter),
             "Counter panel back to the bottles on the new pallet."},
            {18, EndPage(), ""},
        },
    };
}

Page BufferTank() {
    return {
        "Buffer tank",
        {
            {1, CheckLevelBelow(in::kTankLvl, 4.0, 3),
             "Below 40 percent open the supply valve, above 90 percent close it."},
            {2, TurnOn(out::kSupply), ""},
            {3, CheckLevelAbove(in::kTankLvl, 9.0, 5), ""},
            {4, TurnOff(out::kSupply), ""},
            {5, CheckLevelBelow(in::kTankLvl, 0.8, 18),
             "Below 8 percent the pump would draw air: hold the filler and its fill time until "
             "the supply has caught up."},
            {6, FreezePage('B'), ""},
            {7, FreezeTimer(kFillTimer), ""},
            {8, SetOutput(out::kFillPmp, 0), ""},
            {9, TurnOn(out::kAlarm), ""},
            {10, TimerPanelMessage(tmsg::kTankEmpty), ""},
            {11, CheckLevelAbove(in::kTankLvl, 2.0), "Wait for 20 percent in the tank."},
            {12, TurnOff(out::kAlarm), ""},
            {13, CheckOutput(out::kNozLwr, true, 15),
             "Nozzle still down: the fill stopped halfway, so the pump runs again at its "
             "normal speed."},
            {14, SetOutput(out::kFillPmp, 75), ""},
            {15, ThawTimer(kFillTimer), ""},
            {16, CheckOutput(out::kGreen, true, 18),
             "The filler carries on only while the line runs; a stopped line keeps it frozen "
             "until START."},
            {17, ThawPage('B'), ""},
            {18, EndPage(), ""},
        },
    };
}

Page Alarms() {
    return {
        "Jams, caps and QA samples",
        {
            {1, CheckInput(in::kBtlJam, true, 10),
             "Jam at the infeed: end the fill in progress (page B line 15 stops the pump and "
             "lifts the nozzle) and stop the conveyor."},
            {2, MovePage('B', 15), ""},
            {3, TurnOff(out::kConveyor), ""},
            {4, TimerPanelMessage(tmsg::kJam), ""},
            {5, TurnOn(out::kAlarm), ""},
            {6, CheckInput(in::kBtlJam, false), "Wait until the jam has been cleared."},
            {7, TurnOff(out::kAlarm), ""},
            {8, CheckOutput(out::kGreen, true, 10),
             "Conveyor on again only if the line is still running."},
            {9, TurnOn(out::kConveyor), ""},
            {10, CheckInput(in::kCapsLow, true, 13),
             "Cap hopper low: each pass lights the alarm lamp for another 2 seconds, so it "
             "shows until the hopper has been refilled."},
            {11, TimerPanelMessage(tmsg::kCapsLow), ""},
            {12, TurnOnFor(out::kAlarm, 2.0), ""},
            {13, CheckInput(in::kSample, true, 20),
             "QA takes a sample bottle with the SAMPLE key: at most 5 a pallet, each one taken "
             "off the pallet count."},
            {14, CounterAtOrBelow(kSampleCounter, 4, 17), ""},
            {15, IncrementCounter(kSampleCounter), ""},
            {16, DecrementCounter(kGoodCounter, true), ""},
            {17, CounterAtOrAbove(kSampleCounter, 5, 19),
             "Fifth sample taken: tell QA that the samples of this pallet are complete."},
            {18, CounterPanelMessage(cmsg::kSamplesDone), ""},
            {19, CheckInput(in::kSample, false), "Wait until the SAMPLE key is released."},
            {20, EndPage(), ""},
        },
    };
}

}  // namespace

const std::array<Page, model::kPageCount>& Pages() {
    static const std::array<Page, model::kPageCount> pages{MainSequence(), Filler(),     Capper(),
                                                           PalletCount(),  BufferTank(), Alarms()};
    return pages;
}

}  // namespace demo

// The bottle filling and capping line of the sample program: its inputs, outputs, timers,
// counters and panel messages by number.
#pragma once

namespace demo {

// Inputs. STOP, E-STOP, GUARD and AIR-OK are closed contacts that open to signal: ON while
// all is well.
namespace in {
constexpr int kStart = 1;      // START on the main panel
constexpr int kStop = 2;       // STOP on the main panel
constexpr int kEStop = 3;      // emergency stop chain made
constexpr int kGuard = 4;      // every guard door shut
constexpr int kBtlFill = 5;    // a bottle stands under the filling nozzle
constexpr int kBtlCap = 6;     // a bottle stands in the capping head
constexpr int kCapsLow = 7;    // cap hopper nearly empty
constexpr int kBtlJam = 8;     // bottles backed up or fallen at the infeed
constexpr int kNozUp = 21;     // filling nozzle at the top
constexpr int kNozDown = 22;   // filling nozzle down in the bottle neck
constexpr int kCapOk = 23;     // the capping head reached its torque
constexpr int kAirOk = 24;     // compressed air above 5 bar
constexpr int kPalChg = 25;    // pallet change key switch
constexpr int kSample = 26;    // QA sample key
constexpr int kStart2 = 27;    // START at the capper end of the line
constexpr int kTankLvl = 91;   // buffer tank level, 0..10 V for 0..100 %
constexpr int kPressure = 92;  // nozzle pressure, 0..10 V for 0..4 bar
}  // namespace in

// Outputs.
namespace out {
constexpr int kConveyor = 1;
constexpr int kNozLwr = 2;   // lowers the filling nozzle
constexpr int kCapFeed = 3;  // drops one cap onto the bottle
constexpr int kCapper = 4;   // capping head motor
constexpr int kReject = 5;   // reject pusher
constexpr int kGreen = 6;    // line running lamp
constexpr int kAlarm = 7;    // red alarm lamp
constexpr int kHorn = 8;
constexpr int kBeacon = 21;   // pallet full beacon
constexpr int kSupply = 22;   // buffer tank supply valve
constexpr int kFillPmp = 91;  // filling pump speed, percent
constexpr int kConvSpd = 92;  // conveyor drive speed, percent
}  // namespace out

// Timers of the timer module.
constexpr int kFillTimer = 1;
constexpr int kCapTimer = 2;
constexpr int kInfeedTimer = 3;

// Counters of the counter module.
constexpr int kGoodCounter = 1;
constexpr int kRejectCounter = 2;
constexpr int kSampleCounter = 3;

// Messages of the timer panel.
namespace tmsg {
constexpr int kReady = 1;
constexpr int kRunning = 2;
constexpr int kEStop = 3;
constexpr int kTankLow = 4;
constexpr int kTankEmpty = 5;
constexpr int kNoBottles = 6;
constexpr int kPartFill = 7;
constexpr int kJam = 8;
constexpr int kCapsLow = 9;
}  // namespace tmsg

// Messages of the counter panel.
namespace cmsg {
constexpr int kPalletFull = 1;
constexpr int kRejectsHigh = 2;
constexpr int kSamplesDone = 3;
}  // namespace cmsg

}  // namespace demo

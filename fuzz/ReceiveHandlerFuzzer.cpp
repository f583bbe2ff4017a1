// Feeds arbitrary bytes and tmrComm ticks to the link's receive handler, starting from every
// state it can be in: raw bytes, and frames whose checksums are made right so that they get
// past the checks. The buffer must never run past its 11 bytes, and nothing but the lines of
// the program may change.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "link/Frames.h"
#include "link/LinkObserver.h"
#include "link/ReceiveHandler.h"
#include "model/NewProgram.h"
#include "model/Program.h"

namespace {

class Host : public comm::ReceiveHost {
  public:
    void SendByte(uint8_t) override {}
    void StartCommTimer(comm::Millis) override { running = true; }
    void StopCommTimer() override { running = false; }
    bool CommTimerRunning() const override { return running; }
    void SetLineSpeed(int baud) override {
        if (baud != 9600 && baud != 19200)
            std::abort();
    }

    bool running = false;
};

void Feed(comm::ReceiveHandler& handler, uint8_t byte) {
    handler.Receive(byte);
    if (handler.State().RxCount > comm::kRxBufSize)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    Host host;
    comm::LinkObserver observer;
    comm::ReceiveHandler handler(host, observer);
    auto program = std::make_unique<model::Program>();
    model::MakeNewProgram(*program);
    const auto before = std::make_unique<model::Program>(*program);

    handler.Reset();
    handler.Pp().AttachProgram(input.ConsumeBool() ? program.get() : nullptr);
    comm::LinkState& state = handler.State();
    state.InterfaceVersion = input.ConsumeIntegralInRange(0, 3);
    state.CommSpeed = input.ConsumeIntegralInRange(-1, 2);
    state.DiscardZeros = input.ConsumeBool();
    comm::TraceView& view = handler.Trace();
    view.Page = input.ConsumeIntegralInRange(0, 7);
    view.RowLines.resize(input.ConsumeIntegralInRange(0, 260));
    for (int& line : view.RowLines)
        line = input.ConsumeIntegralInRange(0, 256);
    view.TraceItem = input.ConsumeIntegralInRange(-1, 260);
    handler.SetState(static_cast<comm::CommStateWord>(
        input.ConsumeIntegralInRange(0, static_cast<int>(comm::CommStateWord::Err))));

    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 4)) {
            case 0:
                Feed(handler, input.ConsumeIntegral<uint8_t>());
                break;
            case 1: {  // a request-sized frame or PP message with its checksum right
                comm::Request request{};
                for (uint8_t& b : request)
                    b = input.ConsumeIntegral<uint8_t>();
                request[0] = input.ConsumeBool() ? request[0] : input.ConsumeIntegralInRange(1, 2);
                for (uint8_t b : comm::MakeFrame(request))
                    Feed(handler, b);
                break;
            }
            case 2: {  // a valid identification of any unit and interface version
                const auto unit = static_cast<comm::Unit>(input.ConsumeIntegralInRange(0, 2));
                for (uint8_t b : comm::IdentificationOf(unit, input.ConsumeIntegral<uint8_t>()))
                    Feed(handler, b);
                break;
            }
            case 3:  // a trace report pair
                Feed(handler, static_cast<uint8_t>(210 + input.ConsumeIntegralInRange(0, 7)));
                Feed(handler, input.ConsumeIntegral<uint8_t>());
                break;
            default:
                if (host.running) {
                    host.running = false;
                    handler.CommTick();
                }
                break;
        }
    }
    program->PgmData = before->PgmData;
    if (!program->SameContent(*before))
        std::abort();
    return 0;
}

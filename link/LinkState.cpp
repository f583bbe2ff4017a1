// What each state word means, and the receive buffer's bookkeeping.
#include "link/LinkState.h"

#include <algorithm>
#include <iterator>

#include "link/LinkTexts.h"

namespace comm {

namespace {

using W = CommStateWord;

constexpr StateMeaning kMeanings[] = {
    {W::None, std::nullopt, false, false, nullptr},
    {W::Data, std::nullopt, false, false, nullptr},
    {W::Mcu, Unit::Mcu, false, false, texts::kConnectedMcu},
    {W::Pp, Unit::Pp, false, false, texts::kConnectedPp},
    {W::Cim, Unit::Cim, false, false, texts::kConnectedCim},
    {W::McuX, Unit::Mcu, true, false, texts::kConnecting},
    {W::PpX, Unit::Pp, true, false, texts::kConnecting},
    {W::CimX, Unit::Cim, true, false, texts::kConnecting},
    {W::Run, Unit::Mcu, false, true, nullptr},
    {W::XRun, Unit::Mcu, false, true, nullptr},
    {W::Err, std::nullopt, false, false, nullptr},
};

constexpr bool RowsFollowTheWords() {
    for (std::size_t i = 0; i < std::size(kMeanings); ++i) {
        if (static_cast<std::size_t>(kMeanings[i].Word) != i)
            return false;
    }
    return true;
}
static_assert(RowsFollowTheWords(), "MeaningOf looks a word up by its value");

}  // namespace

const StateMeaning& MeaningOf(CommStateWord word) {
    return kMeanings[static_cast<std::size_t>(word)];
}

CommStateWord WordOf(Unit unit, bool speedSetUp) {
    // Every unit has both words.
    return std::find_if(std::begin(kMeanings), std::end(kMeanings),
                        [&](const StateMeaning& meaning) {
                            return meaning.Identified == unit && meaning.SpeedSetUp == speedSetUp &&
                                   !meaning.Running;
                        })
        ->Word;
}

std::optional<Unit> TransferUnit(CommStateWord word) {
    const StateMeaning& meaning = MeaningOf(word);
    return meaning.Running ? std::nullopt : meaning.Identified;
}

void LinkState::Clear() {
    MsgSum = 0;
    RxCount = 0;
}

Frame LinkState::Expect(const Request& request) {
    const Frame frame = MakeFrame(request);
    MsgSum = frame[7];
    RxCount = 0;
    return frame;
}

}  // namespace comm

// The lists of what a line can act on, as the fitted hardware offers it.
#include "editor/IOLists.h"

#include <algorithm>

#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace editor {

namespace {

using F = FieldId;

constexpr int kNumberCount = 8;  // timers and counters
constexpr int kMessageCount = 15;
constexpr int kBlockIOCount = 8;

std::vector<ListItem> Numbers(int count) {
    std::vector<ListItem> items;
    for (int n = 1; n <= count; ++n)
        items.push_back({model::Dec(n), 0});
    return items;
}

}  // namespace

void FillIOLists(const model::Program& program, EditorView& view) {
    const FieldId inputLists[] = {F::InputList0, F::InputList1, F::InputList2};
    for (FieldId id : {F::InputList0, F::InputList1, F::InputList2, F::OutputList}) {
        view[id].Items.clear();
        view[id].Selected = -1;
    }
    view[F::InputList2].Items.push_back({"none", 0});
    for (const model::BlockPosition& pos : model::BlockPositions()) {
        const model::PgmRecord& reg = program.Register(pos.ConfigRegister);
        for (int n = 1; n <= std::min<int>(reg.Code[model::kInput], kBlockIOCount); ++n) {
            const ListItem item{model::DisplayName(program, pos.Base + n, model::kInput),
                                pos.Base + n};
            for (FieldId id : inputLists)
                view[id].Items.push_back(item);
        }
        for (int n = 1; n <= std::min<int>(reg.Code[model::kOutput], kBlockIOCount); ++n) {
            view[F::OutputList].Items.push_back(
                {model::DisplayName(program, pos.Base + n, model::kOutput), pos.Base + n});
        }
    }
    view[F::TmrCtrMsg].Items = Numbers(kMessageCount);
    view[F::TmrCtrNum].Items = Numbers(kNumberCount);
}

}  // namespace editor

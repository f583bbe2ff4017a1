// What a virtual timer or counter panel shows during a run: the entry a display line named,
// with its name and value, or the message a message line named.
#pragma once

#include <functional>
#include <string>

#include "model/PanelTables.h"

namespace simulator {

class PanelDisplay {
  public:
    // settings: the panel's, with the entries' names and the messages.
    explicit PanelDisplay(const model::PanelTables& settings);

    // Entry 1..8, message 1..15; a number the panel does not have shows nothing.
    void ShowEntry(int entry);
    void ShowMessage(int message);

    // The panel's two rows with "\n" between them (the entry's name and valueText(entry), or
    // the message's top and bottom line); empty before any display line ran.
    std::string Text(const std::function<std::string(int entry)>& valueText) const;

  private:
    enum class Showing { Nothing, Entry, Message };

    const model::PanelTables& settings_;
    Showing showing_ = Showing::Nothing;
    int number_ = 0;
};

}  // namespace simulator

// What the link shows the user: connection and transfer status, messages and questions, the
// traced line. A window fills the named controls; zoltctl prints. Every method does nothing
// unless overridden, so an observer takes only what it shows.
#pragma once

#include <string>

#include "link/LinkState.h"

namespace comm {

enum class NoticeIcon { None, Exclamation, Information };

// One message box: title (empty for the application's own), text with '\n' line breaks.
struct Notice {
    std::string Title;
    std::string Text;
    NoticeIcon Icon = NoticeIcon::None;
};

enum class PanelKind { Timers, Counters };

// The range of prgXFerStat is 0..kProgressMaximum; its value is the record just handled.
constexpr int kProgressMaximum = 925;

class LinkObserver {
  public:
    virtual ~LinkObserver() = default;

    // lblMode.
    virtual void ModeChanged(const std::string& /*text*/) {}
    // CommState changed; the menus follow it (the unit's items on MCU, PP, CIM; nothing but
    // reset while running).
    virtual void StateChanged(CommStateWord /*state*/) {}
    // lblXFerStat's caption, and whether it is shown.
    virtual void TransferText(const std::string& /*text*/) {}
    virtual void TransferShown(bool /*shown*/) {}
    // prgXFerStat's value (0..kProgressMaximum), and whether it is shown.
    virtual void Progress(int /*value*/) {}
    virtual void ProgressShown(bool /*shown*/) {}
    // A plain OK message box.
    virtual void Message(const Notice& /*notice*/) {}
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const Notice& /*question*/) { return false; }
    // Lines of the program were replaced by a read or a Pocket Programmer receive: refresh the
    // I/O lists and show page A.
    virtual void ProgramReplaced() {}
    // A panel's settings were read from the CIM; its module now counts as installed.
    virtual void PanelsRead(PanelKind /*kind*/) {}
    // The trace moves the selection of lstPage from row previousRow to row.
    virtual void TraceRow(int /*previousRow*/, int /*row*/) {}
};

}  // namespace comm

// What the link shows, printed: status and messages on standard output, warnings (a port that
// will not open, a failed transfer) on standard error, progress as a percentage, the traced
// rows of run mode.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "link/LinkObserver.h"

namespace zoltctl {

class ConsoleObserver : public comm::LinkObserver {
  public:
    // answerYes: the answer to the link's Yes/No questions (there is no one to ask). Messages
    // with the exclamation icon go to warnings.
    ConsoleObserver(std::ostream& out, std::ostream& warnings, bool answerYes)
        : out_(out), warnings_(warnings), answerYes_(answerYes) {}

    // The rows of lstPage the run trace points into.
    void SetTraceRows(std::vector<std::string> rows) { traceRows_ = std::move(rows); }

    void ModeChanged(const std::string& text) override;
    void TransferText(const std::string& text) override;
    void Progress(int value) override;
    void Message(const comm::Notice& notice) override;
    bool AskYesNo(const comm::Notice& question) override;
    void TraceRow(int previousRow, int row) override;

    // Prints notice unless it is the message shown last.
    void Verdict(const comm::Notice& notice);

  private:
    std::ostream& out_;
    std::ostream& warnings_;
    const bool answerYes_;
    std::string lastMode_;
    std::string transfer_;
    int lastTenth_ = -1;
    std::vector<std::string> traceRows_;
    std::string lastMessage_;
};

// A message box's text on one line: its line breaks become blanks, the title leads.
std::string NoticeLine(const comm::Notice& notice);

}  // namespace zoltctl

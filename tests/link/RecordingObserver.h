// An observer that keeps what the link showed, answers its questions as told, and can act on
// progress (to cancel a transfer half-way).
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "link/LinkObserver.h"

namespace linktest {

class RecordingObserver : public comm::LinkObserver {
  public:
    void ModeChanged(const std::string& text) override { Mode = text; }
    void TransferText(const std::string& text) override { Transfer = text; }
    void TransferShown(bool shown) override { TransferVisible = shown; }
    void Progress(int value) override {
        LastProgress = value;
        if (OnProgress)
            OnProgress(value);
    }
    void Message(const comm::Notice& notice) override { Messages.push_back(notice); }
    bool AskYesNo(const comm::Notice& question) override {
        Questions.push_back(question);
        return Answer;
    }
    void ProgramReplaced() override { ++Replaced; }
    void PanelsRead(comm::PanelKind) override { ++PanelReads; }
    void TraceRow(int previousRow, int row) override { TraceRows.push_back({previousRow, row}); }

    std::string Mode;
    std::string Transfer;
    bool TransferVisible = false;
    int LastProgress = 0;
    std::function<void(int)> OnProgress;
    std::vector<comm::Notice> Messages;
    std::vector<comm::Notice> Questions;
    bool Answer = false;
    int Replaced = 0;
    int PanelReads = 0;
    std::vector<std::pair<int, int>> TraceRows;
};

}  // namespace linktest

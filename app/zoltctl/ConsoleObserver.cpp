// Printing the link's status: each change of the connection once, progress in tenths so a
// log stays short.
#include "app/zoltctl/ConsoleObserver.h"

#include <algorithm>
#include <ostream>

namespace zoltctl {

std::string NoticeLine(const comm::Notice& notice) {
    std::string text = notice.Text;
    std::replace(text.begin(), text.end(), '\n', ' ');
    return notice.Title.empty() ? text : notice.Title + ": " + text;
}

void ConsoleObserver::ModeChanged(const std::string& text) {
    if (text == lastMode_)
        return;
    lastMode_ = text;
    out_ << text << std::endl;
}

void ConsoleObserver::TransferText(const std::string& text) {
    if (text == transfer_)
        return;
    transfer_ = text;
    lastTenth_ = -1;
    if (!text.empty())
        out_ << text << std::endl;
}

void ConsoleObserver::Progress(int value) {
    const int tenth = std::clamp(value, 0, comm::kProgressMaximum) * 10 / comm::kProgressMaximum;
    if (tenth == lastTenth_)
        return;
    lastTenth_ = tenth;
    out_ << "  " << tenth * 10 << "%" << std::endl;
}

void ConsoleObserver::Message(const comm::Notice& notice) {
    lastMessage_ = NoticeLine(notice);
    (notice.Icon == comm::NoticeIcon::Exclamation ? warnings_ : out_) << lastMessage_ << std::endl;
}

void ConsoleObserver::Verdict(const comm::Notice& notice) {
    if (!notice.Text.empty() && NoticeLine(notice) != lastMessage_)
        Message(notice);
}

bool ConsoleObserver::AskYesNo(const comm::Notice& question) {
    out_ << NoticeLine(question) << (answerYes_ ? " -> Yes" : " -> No (--yes answers Yes)")
         << std::endl;
    return answerYes_;
}

void ConsoleObserver::TraceRow(int /*previousRow*/, int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < traceRows_.size())
        out_ << traceRows_[static_cast<std::size_t>(row)] << std::endl;
}

}  // namespace zoltctl

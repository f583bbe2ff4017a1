// The texts the link shows: connection status, transfer status and its messages.
#pragma once

namespace comm::texts {

// lblMode
constexpr const char* kNotConnected = "Not Connected";
constexpr const char* kConnecting = "Connecting ...";
constexpr const char* kConnectedMcu = "Connected to MCU";
constexpr const char* kConnectedPp = "Connected to PP";
constexpr const char* kConnectedCim = "Connected to CIM";
constexpr const char* kHighSpeedError = "High Speed Error";

// lblXFerStat
constexpr const char* kCheckingProgram = "Checking Program";
constexpr const char* kSendingData = "Sending Data";
constexpr const char* kReadingData = "Reading Data";
constexpr const char* kRunningProgram = "Running Program";
constexpr const char* kTransferCancelled = "Transfer Cancelled";

// Connecting
constexpr const char* kPortNotSetUp =
    "Comm port not set up.  To change port, select\n"
    "'Setup...Change Comm Port' from drop down menu";
constexpr const char* kConnectPrompt =
    "Connect the Zolt to the computer as indicated in the startup kit booklet\n"
    "Click the OK button and then apply power to the Zolt";
constexpr const char* kOpenError =
    "An error occurred while opening serial port.\n"
    "It may be in use by another program.";

// Program transfers
constexpr const char* kTransferred = "Program transferred successfully.";
constexpr const char* kSendChecksumError = "MCU Checksum Error\nPlease send the program again";
constexpr const char* kReadChecksumError = "MCU Checksum Error\nPlease read the program again";
constexpr const char* kChecksumErrorTitle = "Checksum Error";
constexpr const char* kDataTransferError =
    "An error occurred during data transfer.\n"
    "You may want to receive the program again.";

// Pocket Programmer prompts
constexpr const char* kSendPpTitle = "Send Program to Pocket Programmer";
constexpr const char* kSendPpPrompt =
    "Please select 'Receive Zolt Program' from\n"
    "Main Menu on the Pocket Programmer\n\n"
    "Click the OK button before proceeding";
constexpr const char* kReadPpTitle = "Read Program from Pocket Programmer";
constexpr const char* kReadPpPrompt =
    "Please select 'Send Zolt New Program' from\n"
    "Main Menu on the Pocket Programmer\n\n"
    "Click the OK button before proceeding";

// Panel transfers
constexpr const char* kTimerSent =
    "Timer data transferred to CIM\n\n"
    "Select 'Receive Data' from the Options menu\n"
    "on the Timer Panel to complete the transfer";
constexpr const char* kCounterSent =
    "Counter data transferred to CIM\n\n"
    "Select 'Receive Data' from the Options menu\n"
    "on the Counter Panel to complete the transfer";
constexpr const char* kTimerReadPrompt =
    "Select 'Send Data' from the Options menu on\n"
    "the Timer Panel to transfer data to the CIM\n\n"
    "Then click the OK button to complete the transfer";
constexpr const char* kCounterReadPrompt =
    "Select 'Send Data' from the Options menu on\n"
    "the Counter Panel to transfer data to the CIM\n\n"
    "Then click the OK button to complete the transfer";
constexpr const char* kTimerRead = "Timer data transferred";
constexpr const char* kCounterRead = "Counter data transferred";

// Run mode
constexpr const char* kRunTitle = "Run Program";
constexpr const char* kRunMismatch =
    "MCU program does not match the program on your PC\n"
    "Do you want to run without the program trace enabled?";
constexpr const char* kRunDeclined =
    "Select 'Send to MCU' or 'Read from MCU' from the File menu\n"
    "to have the two programs match";

// When a unit stops answering or answers wrongly, the port fails or a transfer is cancelled.
constexpr const char* kNoAnswerTitle = "Zolt Not Answering";
constexpr const char* kNoAnswer =
    "The Zolt does not answer.\n"
    "Check the cable and the power, then select 'Reset Comm Port' and 'Connect to Zolt'.";
constexpr const char* kPortFailedTitle = "Serial Port Error";
constexpr const char* kLineLost =
    "Plug the adapter in again or check the cable, then select 'Connect to Zolt'.";
constexpr const char* kNoIdentification =
    "No unit has identified itself.\n"
    "Check the cable and apply power to the Zolt.";
constexpr const char* kPpNotStarted =
    "The Pocket Programmer has not started the transfer.\n"
    "Choose it on the Pocket Programmer's Main Menu, then try again.";
constexpr const char* kBadRepliesTitle = "Data Transfer Error";
constexpr const char* kBadReplies =
    "The Zolt answers with errors.\n"
    "Select Low speed under 'Setup...Change Comm Port' and check the cable, then select "
    "'Connect to Zolt'.";
constexpr const char* kCancelled = "Transfer cancelled.";
// What a cancelled transfer leaves; titled kTransferCancelled, as the status reads.
constexpr const char* kMcuSendCancelled =
    "The transfer was cancelled.\n"
    "The MCU may now hold only part of the program: send the program again.";
constexpr const char* kPanelSendCancelled =
    "The transfer was cancelled.\n"
    "The CIM may now hold only part of the panel data: send the data again.";
constexpr const char* kProgramKept =
    "The transfer was cancelled.\n"
    "The program in the PC is unchanged.";
constexpr const char* kPanelsKept =
    "The transfer was cancelled.\n"
    "The panel data in the PC are unchanged.";
constexpr const char* kNotReady = "The unit this transfer needs is not connected.";
constexpr const char* kBusy = "Another transfer is still running.";

}  // namespace comm::texts

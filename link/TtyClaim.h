// What the link asks of an open terminal device beyond its line settings: to be its only
// user, and to pass received bytes on at once. Shared by the ports of zoltctl and the window.
#pragma once

#include <string>

namespace comm {

// Makes this descriptor the device's only user: no further open of the terminal (TIOCEXCL,
// which root may pass) and an exclusive advisory lock (flock, which binds root too). Returns
// 0, or the errno of the refusal: EWOULDBLOCK when another program holds the lock.
int ClaimLine(int fd);
// Lets others open the device again before fd is closed: the exclusive mark belongs to the
// terminal, which outlives the descriptor (a pseudo-terminal as long as its other side).
void ReleaseLine(int fd);

// Asks the driver to hand each received byte on at once rather than collecting them (a USB
// adapter otherwise waits up to 16 ms before it reports a reply). Returns whether it agreed;
// a device without the setting (a pseudo-terminal) just says no.
bool RequestLowLatency(int fd);

// The name of the group that owns device (its number when it has none), empty when the device
// cannot be looked at.
std::string DeviceGroup(const std::string& device);

}  // namespace comm

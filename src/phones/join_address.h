// Which of the machine's addresses goes into the join address that phones scan.
#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

namespace phones {

// The addresses a phone on the local network can reach, best first: every interface that is
// up and not loopback, in the kernel's order, each once. 127.0.0.1 only when there is none.
std::vector<std::string> JoinAddresses(const std::vector<platform::NetworkInterface>& interfaces);

// The addresses for a server bound to `bindAddress`: the interfaces' when it listens on all
// of them, else that one address.
std::vector<std::string> JoinAddressesFor(const std::string& bindAddress,
                                          const std::vector<platform::NetworkInterface>& interfaces);

// A server listening everywhere on a machine with no network but loopback: phones cannot join.
bool OnNoNetwork(const std::string& bindAddress,
                 const std::vector<platform::NetworkInterface>& interfaces);

// Whether `address` is one of the machine's own (its interfaces', or loopback).
bool IsOwnAddress(const std::string& address,
                  const std::vector<platform::NetworkInterface>& interfaces);

// http://address:port/?t=token, an IPv6 address in brackets.
std::string JoinUrl(const std::string& address, uint16_t port, const std::string& token);
// The same without the token, for the log: the token is the room's key.
std::string JoinUrlForLog(const std::string& address, uint16_t port);

}  // namespace phones

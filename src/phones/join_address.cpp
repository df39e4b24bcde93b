#include "join_address.h"

#include <algorithm>

namespace phones {

std::vector<std::string> JoinAddresses(const std::vector<platform::NetworkInterface>& interfaces) {
    std::vector<std::string> addresses;
    for (const platform::NetworkInterface& entry : interfaces) {
        if (!entry.up || entry.loopback || entry.address.empty()) continue;
        if (entry.address.starts_with("127.")) continue;  // loopback without the flag
        if (std::find(addresses.begin(), addresses.end(), entry.address) != addresses.end()) continue;
        addresses.push_back(entry.address);
    }
    if (addresses.empty()) addresses.push_back("127.0.0.1");
    return addresses;
}

namespace {

bool Everywhere(const std::string& bindAddress) {
    return bindAddress.empty() || bindAddress == "0.0.0.0" || bindAddress == "::";
}

std::string HostPart(const std::string& address, uint16_t port) {
    const bool v6 = address.find(':') != std::string::npos;
    return "http://" + (v6 ? "[" + address + "]" : address) + ":" + std::to_string(port) + "/";
}

}  // namespace

std::vector<std::string> JoinAddressesFor(const std::string& bindAddress,
                                          const std::vector<platform::NetworkInterface>& interfaces) {
    if (Everywhere(bindAddress)) return JoinAddresses(interfaces);
    return {bindAddress};
}

bool OnNoNetwork(const std::string& bindAddress,
                 const std::vector<platform::NetworkInterface>& interfaces) {
    return Everywhere(bindAddress) && JoinAddresses(interfaces).front().starts_with("127.");
}

bool IsOwnAddress(const std::string& address,
                  const std::vector<platform::NetworkInterface>& interfaces) {
    if (Everywhere(address) || address.starts_with("127.") || address == "::1") return true;
    return std::any_of(interfaces.begin(), interfaces.end(),
                       [&](const platform::NetworkInterface& entry) { return entry.address == address; });
}

std::string JoinUrl(const std::string& address, uint16_t port, const std::string& token) {
    return HostPart(address, port) + "?t=" + token;
}

std::string JoinUrlForLog(const std::string& address, uint16_t port) {
    return HostPart(address, port);
}

}  // namespace phones

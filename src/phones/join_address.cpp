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

std::vector<std::string> JoinAddressesFor(const std::string& bindAddress,
                                          const std::vector<platform::NetworkInterface>& interfaces) {
    if (bindAddress.empty() || bindAddress == "0.0.0.0") return JoinAddresses(interfaces);
    return {bindAddress};
}

std::string JoinUrl(const std::string& address, uint16_t port, const std::string& token) {
    return "http://" + address + ":" + std::to_string(port) + "/?t=" + token;
}

}  // namespace phones

// The kernel's random source and the machine's own addresses, for the phone server.
#include "platform.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/random.h>

#include <cerrno>

namespace platform {

bool SecureRandomBytes(void* out, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(out);
    while (size > 0) {
        const ssize_t got = ::getrandom(bytes, size, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

std::vector<NetworkInterface> NetworkInterfaces() {
    std::vector<NetworkInterface> interfaces;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) return interfaces;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        if (!::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text)) continue;
        interfaces.push_back({entry->ifa_name ? entry->ifa_name : "", text,
                              (entry->ifa_flags & IFF_UP) != 0,
                              (entry->ifa_flags & IFF_LOOPBACK) != 0});
    }
    ::freeifaddrs(list);
    return interfaces;
}

std::vector<std::string> LocalAddresses() {
    std::vector<std::string> external, loopback;
    for (const NetworkInterface& entry : NetworkInterfaces()) {
        if (entry.up) (entry.loopback ? loopback : external).push_back(entry.address);
    }
    external.insert(external.end(), loopback.begin(), loopback.end());
    if (external.empty()) external.push_back("127.0.0.1");
    return external;
}

}  // namespace platform

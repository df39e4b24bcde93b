// Which address goes into the join address: the first interface that is up and not loopback.
// Documentation addresses only (TEST-NET); nothing here connects anywhere.
#include "phones/join_address.h"
#include "phones/qr_code.h"

#include <gtest/gtest.h>

using phones::JoinAddresses;
using platform::NetworkInterface;

TEST(JoinAddressTest, UpExternalInterfacesComeInTheKernelsOrderLoopbackAndDownOnesNever) {
    const std::vector<NetworkInterface> interfaces = {
        {"lo", "127.0.0.1", true, true},
        {"eth0", "198.51.100.7", false, false},  // cable out
        {"wlan0", "203.0.113.5", true, false},
        {"docker0", "198.51.100.200", true, false},
        {"wlan0", "203.0.113.5", true, false},  // the same address listed twice
        {"odd", "127.0.1.1", true, false},      // a loopback address on a plain interface
    };
    EXPECT_EQ(JoinAddresses(interfaces),
              (std::vector<std::string>{"203.0.113.5", "198.51.100.200"}));
}

TEST(JoinAddressTest, LoopbackOnlyWhenNothingElseIsUp) {
    EXPECT_EQ(JoinAddresses({}), std::vector<std::string>{"127.0.0.1"});
    EXPECT_EQ(JoinAddresses({{"lo", "127.0.0.1", true, true}, {"eth0", "198.51.100.7", false, false}}),
              std::vector<std::string>{"127.0.0.1"});
}

TEST(JoinAddressTest, AServerBoundToOneAddressIsJoinedThere) {
    const std::vector<NetworkInterface> interfaces = {{"wlan0", "203.0.113.5", true, false}};
    EXPECT_EQ(phones::JoinAddressesFor("127.0.0.1", interfaces),
              std::vector<std::string>{"127.0.0.1"});
    EXPECT_EQ(phones::JoinAddressesFor("0.0.0.0", interfaces),
              std::vector<std::string>{"203.0.113.5"});
    EXPECT_EQ(phones::JoinUrl("203.0.113.5", 47800, "ab12"), "http://203.0.113.5:47800/?t=ab12");
    EXPECT_EQ(phones::JoinUrl("2001:db8::5", 47800, "ab12"), "http://[2001:db8::5]:47800/?t=ab12");
    EXPECT_EQ(phones::JoinUrlForLog("2001:db8::5", 47800), "http://[2001:db8::5]:47800/");
}

TEST(JoinAddressTest, NoNetworkAndAddressesOfOtherComputersAreTold) {
    const std::vector<NetworkInterface> wifi = {{"lo", "127.0.0.1", true, true},
                                                {"wlan0", "203.0.113.5", true, false}};
    const std::vector<NetworkInterface> cableOut = {{"lo", "127.0.0.1", true, true},
                                                    {"eth0", "198.51.100.7", false, false}};
    EXPECT_FALSE(phones::OnNoNetwork("0.0.0.0", wifi));
    EXPECT_TRUE(phones::OnNoNetwork("0.0.0.0", cableOut));
    EXPECT_TRUE(phones::OnNoNetwork("", cableOut));
    EXPECT_FALSE(phones::OnNoNetwork("127.0.0.1", cableOut));  // loopback on purpose
    EXPECT_TRUE(phones::IsOwnAddress("203.0.113.5", wifi));
    EXPECT_TRUE(phones::IsOwnAddress("127.0.0.2", wifi));
    EXPECT_FALSE(phones::IsOwnAddress("198.51.100.9", wifi));  // a stale Phone address=
}

TEST(QrCodeTest, EncodesAJoinAddressAndRefusesWhatCannotBeEncoded) {
    const auto code = phones::EncodeQr("http://203.0.113.5:47800/?t=" + std::string(32, 'f'));
    ASSERT_TRUE(code);
    EXPECT_GE(code->size, 21);
    EXPECT_EQ(code->dark.size(), static_cast<std::size_t>(code->size * code->size));
    EXPECT_TRUE(code->Dark(0, 0));  // a finder pattern's corner
    EXPECT_FALSE(phones::EncodeQr(""));
    EXPECT_FALSE(phones::EncodeQr(std::string(8000, 'x')));  // over a QR code's capacity
}

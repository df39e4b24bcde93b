// The host's phone switch and join panel on the buzzer set-up screen: the QR code on screen
// decodes (with Debian's zbarimg) to the join address, joined phones are listed, and the
// switch turns the server on and off. The server listens on 127.0.0.1 only here.
#include "multi/phone_buzzers.h"
#include "multi/phone_switch.h"
#include "room/phone_join_panel.h"
#include "multi_game_fixture.h"
#include "phones/join_address.h"
#include "phones/phone_server.h"

#include <cstdio>
#include <memory>

using game_testing::MultiPlayerTest;
namespace mp = multi;

namespace {

// What zbarimg reads in a picture: one line per code, without its type.
std::string DecodedCodes(const std::string& png) {
    const std::string command = "zbarimg --quiet --raw '" + png + "' 2>/dev/null";
    std::unique_ptr<FILE, decltype(&pclose)> pipe(popen(command.c_str(), "r"), &pclose);
    if (!pipe) return "(zbarimg did not start)";
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe.get())) text += buffer;
    return text;
}

}  // namespace

class PhoneJoinPanelTest : public MultiPlayerTest {
protected:
    void SetUp() override {
        MultiPlayerTest::SetUp();
        // Phones are off in the profile; the host switches them on. Loopback only.
        dir.Write("home/tarvex_p.ini", "[Brellik]\nRuntime path=" + (dir / "") +
                                           "\nPhone address=127.0.0.1\nPhone port=0\n");
    }
    void TearDown() override {
        mp::StopPhones();
        MultiPlayerTest::TearDown();
    }
    static room::PhoneJoinPanel* Panel() {
        return dynamic_cast<room::PhoneJoinPanel*>(Interface::FindControl(room::kPhoneJoinPanel));
    }
};

TEST_F(PhoneJoinPanelTest, TheSwitchStartsPhonesAndTheCodeOnScreenDecodesToTheJoinAddress) {
    OpenSetUp();
    ASSERT_TRUE(Shown(mp::kPhoneSwitch));
    EXPECT_FALSE(Shown(room::kPhoneJoinPanel));
    EXPECT_EQ(mp::RunningPhoneServer(), nullptr);

    ClickControl(mp::kPhoneSwitch);
    const phones::PhoneServer* server = mp::RunningPhoneServer();
    ASSERT_NE(server, nullptr);
    ASSERT_TRUE(Shown(room::kPhoneJoinPanel));
    RunFor(100);
    const std::string url = phones::JoinUrl("127.0.0.1", server->Port(), server->Token());
    EXPECT_EQ(Panel()->Url(), url);

    SaveScreenshot("phone_join_panel_800x600");
    const std::string png = std::string(BRELLIK_SCREENSHOT_DIR) + "/phone_join_panel_800x600.png";
    EXPECT_EQ(DecodedCodes(png), url + "\n");

    // The rows, their keys, switches and Hrát stay clear of the panel: phones join while the
    // host sets the rows up.
    const auto placed = [](const Control* c) {
        return gfx::Rect{c->X(), c->Y(), c->X() + c->Width(), c->Y() + c->Height()};
    };
    const gfx::Rect panel = placed(Panel());
    for (int row = 0; row < 5; ++row) {
        for (const int32_t id : {mp::kFirstSelectSwitch + row, mp::kFirstNameField + row,
                                 mp::kFirstKeyButton + row, mp::kFirstKeyPicture + row}) {
            const Control* control = Interface::FindControl(id);
            ASSERT_NE(control, nullptr);
            const gfx::Rect bounds = placed(control);
            EXPECT_TRUE(bounds.right <= panel.left || bounds.left >= panel.right ||
                        bounds.bottom <= panel.top || bounds.top >= panel.bottom)
                << "control " << id;
        }
    }
    EXPECT_LE(placed(Interface::FindControl(mp::kNextButton)).right, panel.left);

    // Hidden with the switch, the code is gone from the screen; the server keeps running.
    ClickControl(mp::kPhoneSwitch);
    EXPECT_FALSE(Shown(room::kPhoneJoinPanel));
    EXPECT_NE(mp::RunningPhoneServer(), nullptr);
    SaveScreenshot("phone_join_panel_hidden");
    EXPECT_EQ(DecodedCodes(std::string(BRELLIK_SCREENSHOT_DIR) + "/phone_join_panel_hidden.png"), "");
}

TEST_F(PhoneJoinPanelTest, SwitchingOffStopsTheServerAndAFreshGameForgetsTheSwitch) {
    OpenSetUp();
    ClickControl(mp::kPhoneSwitch);
    ASSERT_NE(mp::RunningPhoneServer(), nullptr);
    const room::PhoneJoinPanel* panel = Panel();
    // "Vypnout telefony", the panel's last button.
    const gfx::Rect off = room::PhoneJoinPanel::ButtonRect(0);
    ClickAt(panel->X() + (off.left + off.right) / 2, panel->Y() + (off.top + off.bottom) / 2);
    EXPECT_EQ(mp::RunningPhoneServer(), nullptr);
    EXPECT_FALSE(Shown(room::kPhoneJoinPanel));
    EXPECT_FALSE(mp::PhonesSwitchedOn());

    MpResetState();
    dir.Write("home/tarvex_p.ini", "[Brellik]\nRuntime path=" + (dir / "") + "\nPhones=1\n");
    EXPECT_TRUE(mp::PhonesSwitchedOn());  // the profile decides again
}

TEST_F(PhoneJoinPanelTest, APhoneSeenInAnEarlierGameKeepsItsSlotAndNewOnesAreWrittenDown) {
    dir.Write("home/System/phones.txt", "4 phone-back-0004\n");
    OpenSetUp();
    ClickControl(mp::kPhoneSwitch);
    const phones::PhoneServer* server = mp::RunningPhoneServer();
    ASSERT_NE(server, nullptr);
    EXPECT_EQ(server->PhoneIdOf(3), "phone-back-0004");
    EXPECT_EQ(server->PhoneIdOf(0), "");
    RunFor(100);
    EXPECT_EQ(dir.Read("home/System/phones.txt"), "4 phone-back-0004\n");  // nothing new
}

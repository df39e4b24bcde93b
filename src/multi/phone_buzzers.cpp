#include "phone_buzzers.h"

#include "frame/interface.h"
#include "frame/startup_properties.h"
#include "multi_player.h"
#include "multi_state.h"
#include "phone_roster.h"
#include "phones/phone_server.h"
#include "play_presentation.h"
#include "platform/phone_keys.h"
#include "platform/platform.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>

namespace multi {

namespace {

constexpr std::size_t kMaxProfileBytes = 1 << 20;

bool commandLineOn = false;
std::optional<bool> hostChoice;
std::unique_ptr<phones::PhoneServer> server;
std::array<phones::PhoneView, platform::kPhoneSlots> sent;
std::array<bool, platform::kPhoneSlots> sentOnce{};
std::vector<std::string> rosterSaved;  // the phone ids System\phones.txt holds

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    return text;
}

bool ParseNumber(std::string_view text, int& out) {
    text = Trimmed(text);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::string ProfileText() {
    const StartupProperties defaults;
    std::FILE* file =
        platform::OpenFile(platform::UserFolder() + "\\" + defaults.profileName + ".ini", "rb");
    if (!file) return {};
    std::string text(kMaxProfileBytes, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

PhoneSettings ReadPhoneSettings() {
    static const StartupProperties defaults;
    return ParsePhoneSettings(ProfileText(), defaults.title);
}

bool IsMultiState(int32_t state) {
    return state == StateMultiSetUp || state == StateMultiGame || state == StateMultiUsedUp;
}

void StartPhones() {
    phones::ServerConfig config;
    const PhoneSettings settings = ReadPhoneSettings();
    if (settings.port >= 0) config.port = static_cast<uint16_t>(settings.port);
    if (!settings.address.empty()) config.bindAddress = settings.address;
    config.knownPhones = rosterSaved = LoadPhoneRoster();
    server = std::make_unique<phones::PhoneServer>();
    sentOnce.fill(false);
    if (!server->Start(config)) {
        for (const std::string& line : server->TakeLog()) Interface::Log(line.c_str(), false);
        server.reset();
        return;
    }
    for (const std::string& url : server->JoinUrls()) {
        Interface::Log(("Phones: join at " + url).c_str(), false);
    }
}

// The player's colour on screen (0x00BBGGRR) as a phone's page writes it, 0xRRGGBB.
uint32_t PhoneColour(int player) {
    const uint32_t bgr = ColourOfPlayer(player);
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

// A phone that joined keeps its slot for the next game.
void SaveRosterIfChanged() {
    std::vector<std::string> ids(platform::kPhoneSlots);
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) ids[slot] = server->PhoneIdOf(slot);
    if (ids == rosterSaved) return;
    if (!SavePhoneRoster(ids)) Interface::Log("Phones: System\\phones.txt could not be written", false);
    rosterSaved = std::move(ids);
}

int PlayerOfPhone(int slot) {
    const int32_t buzzer = platform::MakePhoneKey(slot, platform::kPhoneBuzzer);
    for (int i = 0; i < kRows; ++i) {
        if (players[i].active && players[i].key == buzzer) return i;
    }
    return -1;
}

phones::Phase GamePhase(int player) {
    using phones::Phase;
    const int32_t state = Interface::GetState();
    if (state == StateMultiUsedUp || state == StateMultiResults ||
        (state == StateMultiGame && controlsFrozen)) {
        return Phase::Result;
    }
    if (state != StateMultiGame || player < 0 || !screens::IsHidden(kStartButton)) {
        return Phase::Waiting;
    }
    if (answerOpen) return player == answeringPlayer ? Phase::Answer : Phase::Other;
    if (claimOpen) return player == failedPlayer ? Phase::LockedOut : Phase::Claims;
    if (claimTimedOut) return Phase::TimeUp;
    if (chosenAnswer >= 0 && multiQuiz) {
        return chosenAnswer == multiQuiz->correctSlot[multiQuiz->current] ? Phase::Right
                                                                          : Phase::Wrong;
    }
    return Phase::Question;
}

}  // namespace

void SwitchPhonesOn() { commandLineOn = true; }
bool PhonesSwitchedOn() {
    if (hostChoice) return *hostChoice;
    return commandLineOn || ReadPhoneSettings().on;
}

void ForgetPhoneSwitch() { hostChoice.reset(); }

void SetPhonesOn(bool on) {
    hostChoice = on;
    if (on) PhonesFollowState(Interface::GetState());
    else StopPhones();
}

PhoneSettings ParsePhoneSettings(std::string_view profile, std::string_view title) {
    PhoneSettings settings;
    bool inSection = false;
    while (!profile.empty()) {
        const std::size_t end = profile.find('\n');
        const std::string_view line = profile.substr(0, end);
        profile.remove_prefix(end == std::string_view::npos ? profile.size() : end + 1);
        if (line.starts_with('[')) {
            inSection = line.size() > title.size() && line.substr(1, title.size()) == title;
            continue;
        }
        if (!inSection) continue;
        int number = 0;
        if (line.starts_with("Phones=") && ParseNumber(line.substr(7), number)) {
            settings.on = number != 0;
        } else if (line.starts_with("Phone port=") && ParseNumber(line.substr(11), number) &&
                   number >= 0 && number <= 65535) {
            settings.port = number;
        } else if (line.starts_with("Phone address=")) {
            settings.address = Trimmed(line.substr(14));
        }
    }
    return settings;
}

void PhonesFollowState(int32_t state) {
    if (!IsMultiState(state)) return StopPhones();
    if (!server && PhonesSwitchedOn()) StartPhones();
}

void StopPhones() {
    if (!server) return;
    server->Stop();
    for (const std::string& line : server->TakeLog()) Interface::Log(line.c_str(), false);
    server.reset();
}

phones::PhoneView PhoneViewFor(int slot) {
    phones::PhoneView view;
    const int player = PlayerOfPhone(slot);
    if (player >= 0) {
        view.player = platform::Cp1250ToUtf8(players[player].name);
        view.colour = PhoneColour(player);
    }
    view.phase = GamePhase(player);
    if (view.phase == phones::Phase::Answer) {
        for (const char* answer : currentQuestion.answers) {
            view.answers.push_back(platform::Cp1250ToUtf8(answer));
        }
    }
    if (Interface::GetState() != StateMultiSetUp) {
        for (int i = 0; i < kRows; ++i) {
            if (!players[i].active) continue;
            view.scores.push_back(
                {platform::Cp1250ToUtf8(players[i].name), players[i].score, PhoneColour(i)});
        }
    }
    return view;
}

void UpdatePhones() {
    if (!server) return;
    for (const std::string& line : server->TakeLog()) Interface::Log(line.c_str(), false);
    SaveRosterIfChanged();
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
        phones::PhoneView view = PhoneViewFor(slot);
        if (sentOnce[slot] && view == sent[slot]) continue;
        server->Publish(slot, view);
        sent[slot] = std::move(view);
        sentOnce[slot] = true;
    }
}

int PhoneAnswerFor(int32_t key) {
    if (!answerOpen || platform::PhoneAnswerOf(key) < 0) return -1;
    if (answeringPlayer < 0 || answeringPlayer >= kRows) return -1;
    const int32_t own = players[answeringPlayer].key;
    if (!platform::IsPhoneBuzzer(own) || platform::PhoneSlotOf(own) != platform::PhoneSlotOf(key)) {
        return -1;
    }
    return platform::PhoneAnswerOf(key);
}

std::string PhoneNameOf(int32_t key) {
    const int slot = platform::PhoneSlotOf(key);
    return server && slot >= 0 ? server->PhoneName(slot) : std::string();
}

phones::PhoneServer* RunningPhoneServer() { return server.get(); }

}  // namespace multi

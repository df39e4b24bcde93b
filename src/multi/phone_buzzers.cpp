#include "phone_buzzers.h"

#include "frame/interface.h"
#include "frame/startup_properties.h"
#include "multi_player.h"
#include "multi_state.h"
#include "room/phone_roster.h"
#include "room/player_colours.h"
#include "phones/join_address.h"
#include "phones/log_throttle.h"
#include "phones/phone_server.h"
#include "play_presentation.h"
#include "platform/phone_keys.h"
#include "platform/platform.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"

#include <algorithm>
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
std::vector<int> rowSlotsSent;         // the slots the server was told rows' keys use
// Each slot's phone name as last seen on the set-up screen: a change is a rename on the phone.
std::array<std::string, platform::kPhoneSlots> namesSeen;
uint32_t droppedShown = 0;  // one bit a game player whose phone is not connected
std::string startFailure;   // why phones could not be switched on, Windows-1250; empty: they could
phones::LogThrottle logThrottle;

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

void Log(const std::string& line) {
    for (const std::string& passed : logThrottle.Pass(line, platform::GetTickCount())) {
        Interface::Log(passed.c_str(), false);
    }
}

void LogServerLines() {
    for (const std::string& line : server->TakeLog()) Log(line);
    for (const std::string& line : logThrottle.Flush(platform::GetTickCount())) {
        Interface::Log(line.c_str(), false);
    }
}

std::string StartFailure(const PhoneSettings& settings, uint16_t port) {
    if (!settings.address.empty() &&
        !phones::IsOwnAddress(settings.address, platform::NetworkInterfaces())) {
        return platform::Utf8ToCp1250("Telefony nejdou zapnout: adresa " + settings.address +
                                      " z nastavení (Phone address=) nepatří tomuto počítači");
    }
    return platform::Utf8ToCp1250("Telefony nejdou zapnout: porty od " + std::to_string(port) +
                                  " jsou obsazené (viz Debug.log)");
}

// The slots of every row's phone buzzer, on the set-up screen; in a game, those of the rows
// as they were confirmed (the rows that sit out are not in memory then).
std::vector<int> RowSlots() {
    std::vector<int> slots;
    for (const Player& player : players) {
        if (platform::IsPhoneBuzzer(player.key)) slots.push_back(platform::PhoneSlotOf(player.key));
    }
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    return slots;
}

void StartPhones() {
    phones::ServerConfig config;
    const PhoneSettings settings = ReadPhoneSettings();
    if (settings.port >= 0) config.port = static_cast<uint16_t>(settings.port);
    if (!settings.address.empty()) config.bindAddress = settings.address;
    config.knownPhones = rosterSaved = room::LoadPhoneRoster();
    config.rowSlots = rowSlotsSent = RowSlots();
    server = std::make_unique<phones::PhoneServer>();
    sentOnce.fill(false);
    namesSeen.fill({});
    if (!server->Start(config)) {
        startFailure = StartFailure(settings, config.port);
        LogServerLines();
        server.reset();
        return;
    }
    startFailure.clear();
    const std::vector<platform::NetworkInterface> interfaces = platform::NetworkInterfaces();
    if (phones::OnNoNetwork(server->BindAddress(), interfaces)) {
        Interface::Log("Phones: this computer is on no network; phones cannot join", false);
    }
    for (const std::string& address : phones::JoinAddressesFor(server->BindAddress(), interfaces)) {
        Interface::Log(("Phones: join at " + phones::JoinUrlForLog(address, server->Port()) +
                        " (the room's code is shown on the screen)").c_str(),
                       false);
    }
}

uint32_t PhoneColour(int player) { return room::PhoneRgb(ColourOfPlayer(player)); }

// A phone that joined keeps its slot for the next game.
void SaveRosterIfChanged() {
    std::vector<std::string> ids(platform::kPhoneSlots);
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) ids[slot] = server->PhoneIdOf(slot);
    if (ids == rosterSaved) return;
    if (!room::SavePhoneRoster(ids)) Interface::Log("Phones: System\\phones.txt could not be written", false);
    rosterSaved = std::move(ids);
}

int PlayerOfPhone(int slot) {
    const int32_t buzzer = platform::MakePhoneKey(slot, platform::kPhoneBuzzer);
    for (int i = 0; i < kRows; ++i) {
        if (players[i].active && players[i].key == buzzer) return i;
    }
    return -1;
}

bool GameOver() {
    const int32_t state = Interface::GetState();
    return state == StateMultiUsedUp || state == StateMultiResults ||
           (state == StateMultiGame && !screens::IsHidden(kGameOver));
}

phones::Phase GamePhase(int player) {
    using phones::Phase;
    if (GameOver()) return Phase::Result;
    if (Interface::GetState() != StateMultiGame || player < 0 ||
        !screens::IsHidden(kStartButton)) {
        return Phase::Waiting;
    }
    if (answerOpen) return player == answeringPlayer ? Phase::Answer : Phase::Other;
    if (claimOpen) return player == failedPlayer ? Phase::LockedOut : Phase::Claims;
    if (claimTimedOut) return Phase::TimeUp;
    if (lastVerdict.player >= 0) {
        if (player != lastVerdict.player) return Phase::Heard;
        return lastVerdict.right ? Phase::Right : Phase::Wrong;
    }
    return Phase::Question;
}

// Why a phone that holds no row waits: a game runs, or no row of the set-up can take it.
phones::WaitNote NoteForRowless() {
    if (Interface::GetState() == StateMultiGame) return phones::WaitNote::Running;
    if (Interface::GetState() != StateMultiSetUp) return phones::WaitNote::None;
    for (const Player& player : players) {
        if (!player.active || player.name[0] == '\0' || player.key < 0) {
            return phones::WaitNote::None;
        }
    }
    return phones::WaitNote::Full;
}

phones::PhoneScore ScoreOf(int player) {
    return {platform::Cp1250ToUtf8(players[player].name), players[player].score,
            PhoneColour(player)};
}

// Shared places: one more than the players with more points.
int32_t PlaceOf(int player) {
    int32_t place = 1;
    for (int i = 0; i < kRows; ++i) {
        if (players[i].active && players[i].score > players[player].score) ++place;
    }
    return place;
}

// What the phase needs beside itself: who answers, the verdict, the seconds, the place.
void FillPhaseDetails(phones::PhoneView& view, int player) {
    using phones::Phase;
    switch (view.phase) {
        case Phase::Answer:
            for (const char* answer : currentQuestion.answers) {
                view.answers.push_back(platform::Cp1250ToUtf8(answer));
            }
            view.seconds = std::clamp(5 - answerElapsed, 1, 5);
            break;
        case Phase::Other:
            if (answeringPlayer >= 0 && answeringPlayer < kRows) view.claimer = ScoreOf(answeringPlayer);
            break;
        case Phase::Heard:
            view.claimer = ScoreOf(lastVerdict.player);
            view.right = lastVerdict.right;
            view.points = lastVerdict.points;
            break;
        case Phase::Right:
        case Phase::Wrong: view.points = lastVerdict.points; break;
        case Phase::Result: view.place = player >= 0 ? PlaceOf(player) : 0; break;
        case Phase::Waiting:
            if (player < 0) view.note = NoteForRowless();
            break;
        default: break;
    }
}

// The phone's name changed while the host looked at the set-up: the phone was renamed.
void FollowRenames() {
    if (Interface::GetState() != StateMultiSetUp) return;
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
        const std::string name = server->PhoneName(slot);
        if (name.empty() || name == namesSeen[slot]) continue;
        if (!namesSeen[slot].empty()) {
            RenamePhoneRow(platform::MakePhoneKey(slot, platform::kPhoneBuzzer), name);
        }
        namesSeen[slot] = name;
    }
}

void TellRowSlots() {
    if (Interface::GetState() != StateMultiSetUp) return;
    std::vector<int> slots = RowSlots();
    if (slots == rowSlotsSent) return;
    server->SetRowSlots(slots);
    rowSlotsSent = std::move(slots);
}

uint32_t DroppedPlayers() {
    uint32_t dropped = 0;
    for (int i = 0; i < kRows; ++i) {
        if (PhoneDropped(i)) dropped |= 1u << i;
    }
    return dropped;
}

void MarkDroppedPhones() {
    if (Interface::GetState() != StateMultiGame) return;
    const uint32_t dropped = DroppedPlayers();
    if (dropped == droppedShown) return;
    droppedShown = dropped;
    RefreshPanel();
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

// The room lives from the first buzzer screen until phones are switched off or the game
// closes: through the results, the tables and the next set-up, phones keep their connection.
void PhonesFollowState(int32_t state) {
    droppedShown = 0;
    if (!server && IsMultiState(state) && PhonesSwitchedOn()) StartPhones();
}

void StopPhones() {
    if (!server) return;
    server->Stop();
    LogServerLines();
    Interface::Log("Phones: the server stopped", false);
    server.reset();
}

const std::string& PhonesStartFailure() { return startFailure; }

bool PhoneDropped(int player) {
    if (player < 0 || player >= kRows || !platform::IsPhoneBuzzer(players[player].key)) {
        return false;
    }
    return !server || !server->StatusOf(platform::PhoneSlotOf(players[player].key)).connected;
}

bool IsRowlessPhoneKey(int32_t key) {
    if (!platform::IsPhoneKey(key)) return false;
    const int slot = platform::PhoneSlotOf(key);
    return PlayerOfPhone(slot) < 0;
}

phones::PhoneView PhoneViewFor(int slot) {
    phones::PhoneView view;
    const int player = PlayerOfPhone(slot);
    if (player >= 0) {
        view.player = platform::Cp1250ToUtf8(players[player].name);
        view.colour = PhoneColour(player);
    }
    view.phase = GamePhase(player);
    FillPhaseDetails(view, player);
    if (Interface::GetState() != StateMultiSetUp) {
        for (int i = 0; i < kRows; ++i) {
            if (players[i].active) view.scores.push_back(ScoreOf(i));
        }
    }
    return view;
}

void UpdatePhones() {
    if (!server) return;
    LogServerLines();
    SaveRosterIfChanged();
    FollowRenames();
    TellRowSlots();
    MarkDroppedPhones();
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

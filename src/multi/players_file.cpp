// users2.dat, the five player records of the set-up screen, and ini2.dat, the
// show-the-answer switch the buzzer game shares with the one-player games.
#include "frame/interface.h"
#include "multi_state.h"
#include "platform/platform.h"
#include "buzzer_keys.h"
#include "player_keys.h"

#include <cstdio>
#include <cstring>

namespace multi {

namespace {

constexpr std::size_t kRecordBytes = 44;
constexpr std::size_t kFileBytes = kRecordBytes * kRows;
constexpr const char* kCannotWrite = "Cannot open users data file! :o(";

std::string PlayersFile() { return platform::UserFolder() + "\\System\\users2.dat"; }
std::string SwitchFile() { return platform::UserFolder() + "\\System\\ini2.dat"; }

void PutInt(uint8_t* at, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t GetInt(const uint8_t* at) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(at[i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

void Encode(const Player& player, uint8_t* at) {
    std::memcpy(at, player.name, kNameBytes);
    PutInt(at + 28, player.key);
    PutInt(at + 32, player.keyPicture);
    PutInt(at + 36, player.score);
    at[40] = player.active;
    std::memcpy(at + 41, player.reserved, sizeof player.reserved);
}

// Whatever the bytes hold, the record comes out usable: a terminated name and a 0/1 flag.
void Decode(const uint8_t* at, Player& player) {
    std::memcpy(player.name, at, kNameBytes);
    player.name[kNameBytes - 1] = '\0';
    player.key = GetInt(at + 28);
    player.keyPicture = GetInt(at + 32);
    player.score = GetInt(at + 36);
    player.active = at[40] ? 1 : 0;
    std::memcpy(player.reserved, at + 41, sizeof player.reserved);
}

}  // namespace

void CopyName(Player& player, const char* text) {
    std::snprintf(player.name, sizeof player.name, "%s", text ? text : "");
}

void MpLoadPlayers() {
    std::FILE* file = platform::OpenFile(PlayersFile(), "rb");
    if (!file) {
        // A fresh installation: the file exists from the first visit on.
        if (std::FILE* created = platform::OpenFile(PlayersFile(), "wb")) std::fclose(created);
        return;
    }
    uint8_t bytes[kFileBytes];
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    for (int i = 0; i < kRows && (i + 1) * kRecordBytes <= got; ++i) {
        Decode(bytes + i * kRecordBytes, players[i]);
    }
    LoadOfferedKeys();
    DropDuplicateKeys();
}

void MpSavePlayers() {
    uint8_t bytes[kFileBytes];
    for (int i = 0; i < kRows; ++i) {
        if (players[i].name[0] == '\0') {
            ClearKey(i);
            players[i].active = 0;
        }
        Encode(players[i], bytes + i * kRecordBytes);
    }
    if (!platform::WriteFileAtomically(PlayersFile(), bytes, sizeof bytes)) {
        Interface::Fatal(kCannotWrite, -1);
    }
}

void ReadShowAnswerSwitch() {
    std::FILE* file = platform::OpenFile(SwitchFile(), "rb");
    if (!file) return;
    uint8_t bytes[4];
    if (std::fread(bytes, 1, sizeof bytes, file) == sizeof bytes) {
        showCorrectAnswer = GetInt(bytes) == 1 ? 1 : 0;
    }
    std::fclose(file);
}

void WriteShowAnswerSwitch() {
    uint8_t bytes[4];
    PutInt(bytes, showCorrectAnswer == 1 ? 1 : 0);
    platform::WriteFileAtomically(SwitchFile(), bytes, sizeof bytes);
}

}  // namespace multi

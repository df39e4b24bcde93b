// The phone server on its own, for the protocol tests: it listens on 127.0.0.1 only (or
// --address), prints "ready <port> <token>" and a "join <url>" line for each join address, then a line for every press that reaches the game's queue
// ("press <slot> <button>") and every log line ("log <text>"). Lines on standard input
// publish views ("view <slot> <phase> [answer...]", or "json <slot> <object>" with the
// fields of a state message), set the rows' slots ("rows [slot...]", answered "rows set"),
// ask for a slot's status ("status <slot>", answered "status <slot> <connected 0/1> <round
// trip ms>") or stop it ("quit"); so does the end of standard input. It stops by itself
// after --seconds (default 120). "--class 1" makes it the class game's room of 60 seats.
#include "phones/phone_protocol.h"
#include "phones/phone_server.h"
#include "platform/headless/headless.h"
#include "platform/phone_keys.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <nlohmann/json.hpp>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::mutex inputMutex;
std::vector<std::string> inputLines;
std::atomic<bool> inputEnded{false};

void ReadInput() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::lock_guard lock(inputMutex);
        inputLines.push_back(line);
    }
    inputEnded = true;
}

phones::Phase PhaseNamed(const std::string& name) {
    for (int i = 0; i <= static_cast<int>(phones::Phase::Outcome); ++i) {
        const auto phase = static_cast<phones::Phase>(i);
        if (name == phones::PhaseName(phase)) return phase;
    }
    return phones::Phase::Waiting;
}

uint32_t ColourNamed(const nlohmann::json& text) {
    if (!text.is_string() || text.get<std::string>().size() != 7) return 0;
    return static_cast<uint32_t>(std::strtoul(text.get<std::string>().c_str() + 1, nullptr, 16));
}

phones::PhoneScore ScoreOf(const nlohmann::json& score) {
    return {score.value("name", ""), score.value("points", 0), ColourNamed(score.value("colour", ""))};
}

phones::WaitNote NoteNamed(const std::string& name) {
    if (name == "full") return phones::WaitNote::Full;
    if (name == "running") return phones::WaitNote::Running;
    return phones::WaitNote::None;
}

// A view with the fields of a state message, for the page's tests; a wrong type throws.
phones::PhoneView ViewOf(const nlohmann::json& fields) {
    phones::PhoneView view;
    view.phase = PhaseNamed(fields.value("phase", "waiting"));
    view.player = fields.value("player", "");
    view.colour = ColourNamed(fields.value("colour", ""));
    view.note = NoteNamed(fields.value("note", ""));
    view.answers = fields.value("answers", std::vector<std::string>{});
    view.seconds = fields.value("seconds", 0);
    view.claimer = ScoreOf(fields.value("claimer", nlohmann::json::object()));
    view.right = fields.value("verdict", "") == "right";
    view.points = fields.value("points", 0);
    view.place = fields.value("place", 0);
    view.question = fields.value("q", -1);
    view.chosen = fields.value("chosen", -1);
    view.total = fields.value("total", 0);
    view.of = fields.value("of", 0);
    view.streak = fields.value("streak", 0);
    for (const auto& score : fields.value("scores", nlohmann::json::array())) {
        view.scores.push_back(ScoreOf(score));
    }
    return view;
}

void PublishJson(std::istringstream& words, phones::PhoneServer& server) {
    int slot = -1;
    std::string text;
    words >> slot;
    std::getline(words, text);
    try {
        server.Publish(slot, ViewOf(nlohmann::json::parse(text)));
        std::printf("published %d\n", slot);
    } catch (const nlohmann::json::exception& error) {
        std::printf("bad json %s\n", error.what());
    }
}

// False for "quit".
bool Obey(const std::string& line, phones::PhoneServer& server) {
    std::istringstream words(line);
    std::string command, phase;
    words >> command;
    if (command == "quit") return false;
    if (command == "json") {
        PublishJson(words, server);
        return true;
    }
    int slot = -1;
    if (command == "rows") {
        std::vector<int> slots;
        for (int row; words >> row;) slots.push_back(row);
        server.SetRowSlots(slots);
        std::printf("rows set\n");
        return true;
    }
    if (command == "status" && words >> slot) {
        const phones::PhoneServer::PhoneStatus status = server.StatusOf(slot);
        std::printf("status %d %d %d\n", slot, status.connected ? 1 : 0, status.roundTripMs);
        return true;
    }
    if (command != "view" || !(words >> slot >> phase)) return true;
    phones::PhoneView view;
    view.phase = PhaseNamed(phase);
    view.player = "Hráč " + std::to_string(slot + 1);
    for (std::string answer; words >> answer;) view.answers.push_back(answer);
    server.Publish(slot, view);
    std::printf("published %d\n", slot);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    phones::ServerConfig config;
    config.bindAddress = "127.0.0.1";
    config.port = 0;
    int seconds = 120;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--port")) config.port = static_cast<uint16_t>(std::atoi(argv[i + 1]));
        if (!std::strcmp(argv[i], "--web")) config.webFolder = argv[i + 1];
        if (!std::strcmp(argv[i], "--address")) config.bindAddress = argv[i + 1];
        if (!std::strcmp(argv[i], "--seconds")) seconds = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--idle-ms")) config.idleTimeoutMs = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--class")) config.classRoom = std::atoi(argv[i + 1]) != 0;
        if (!std::strcmp(argv[i], "--request-ms")) config.requestTimeoutMs = std::atoi(argv[i + 1]);
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    headless::Install();
    phones::PhoneServer server;
    if (!server.Start(config)) {
        for (const std::string& line : server.TakeLog()) std::printf("log %s\n", line.c_str());
        return 1;
    }
    std::printf("ready %u %s\n", server.Port(), server.Token().c_str());
    for (const std::string& url : server.JoinUrls()) std::printf("join %s\n", url.c_str());
    std::thread(ReadInput).detach();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    bool running = true;
    while (running && !inputEnded && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        headless::Advance(2);
        platform::Message message;
        while (platform::PeekMessage(message)) {
            if (message.id != platform::kWmPhoneButtonDown) continue;
            const auto key = static_cast<int32_t>(message.wParam);
            std::printf("press %d %d\n", platform::PhoneSlotOf(key), key & 0xFF);
        }
        for (const std::string& line : server.TakeLog()) std::printf("log %s\n", line.c_str());
        std::vector<std::string> lines;
        {
            std::lock_guard lock(inputMutex);
            lines.swap(inputLines);
        }
        for (const std::string& line : lines) running = running && Obey(line, server);
    }
    server.Stop();
    std::printf("stopped\n");
    std::_Exit(0);  // the input thread may still wait on standard input
}

// The class game played on the headless backend through its real phone server on 127.0.0.1:
// phones join from the lobby, one is removed and refused again, every phone answers each
// question, the answers end the question before the clock, points follow speed, and the
// podium, ranking and results files follow; a late joiner, and a phone that drops and returns.
#include "classroom/class_board.h"
#include "classroom/class_mode.h"
#include "game_fixture.h"
#include "phones/phone_server.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "room/player_colours.h"

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>
#include <nlohmann/json.hpp>

#include <sys/socket.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
using nlohmann::json;

// A phone: a blocking WebSocket client whose reads give up after two seconds.
class Phone {
public:
    Phone(asio::io_context& io, uint16_t port, const std::string& token, const std::string& id,
          const std::string& name)
        : ws_(io) {
        ws_.next_layer().connect({asio::ip::make_address("127.0.0.1"), port});
        const timeval wait{2, 0};
        ::setsockopt(ws_.next_layer().native_handle(), SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        const std::string host = "127.0.0.1:" + std::to_string(port);
        // As the served page does: its origin is the address it came from.
        ws_.set_option(beast::websocket::stream_base::decorator(
            [host](beast::websocket::request_type& request) {
                request.set(beast::http::field::origin, "http://" + host);
            }));
        ws_.handshake(host, "/ws?t=" + token);
        Send({{"v", 1}, {"type", "join"}, {"id", id}, {"name", name}});
    }
    void Send(const json& message) { ws_.write(asio::buffer(message.dump())); }
    // The next message, or null when none came in time or the connection closed.
    json Next() {
        beast::flat_buffer buffer;
        beast::error_code error;
        ws_.read(buffer, error);
        if (error) return nullptr;
        return json::parse(beast::buffers_to_string(buffer.data()), nullptr, false);
    }

private:
    beast::websocket::stream<asio::ip::tcp::socket> ws_;
};

class ClassGameTest : public game_testing::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        dir.Write("home/tarvex_p.ini", "[Brellik]\nRuntime path=" + (dir / "") +
                                           "\nPhone address=127.0.0.1\nPhone port=0\n");
    }
    void TearDown() override {
        phones_.clear();
        ClassStopPhones();
        GameTest::TearDown();
    }

    void OpenLobby() {
        GoToMainMenu();
        ClickAt(725, 82);  // "Celá třída"
        ASSERT_EQ(Interface::GetState(), StateClassLobby);
        ASSERT_NE(classroom::ClassServer(), nullptr);
    }
    Phone& Join(int n, const std::string& name) {
        const phones::PhoneServer& server = *classroom::ClassServer();
        phones_.push_back(std::make_unique<Phone>(io_, server.Port(), server.Token(),
                                                  "class-test-phone-" + std::to_string(n), name));
        return *phones_.back();
    }
    // Frames (without moving the fake clock far) until the game seats `count` pupils.
    bool SeatedSoon(int count) {
        for (int i = 0; i < 200 && classroom::Game().Seated() != count; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            Frame();
        }
        return classroom::Game().Seated() == count;
    }
    // The phone's connection breaks off, as when a pupil's phone loses the network.
    void Drop(Phone& phone) {
        for (auto& held : phones_) {
            if (held.get() == &phone) held.reset();
        }
    }
    // Frames until the seat's phone shows as connected or not.
    bool ConnectedSoon(int seat, bool connected) {
        for (int i = 0; i < 200 && classroom::Game().PupilAt(seat).connected != connected; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            Frame();
        }
        return classroom::Game().PupilAt(seat).connected == connected;
    }
    static std::string FileText(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A CSV file's CR LF lines.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
            lines.push_back(text.substr(at, end - at));
        }
        return lines;
    }
    // The phone's messages until one of `phase`; null when none comes.
    static json Until(Phone& phone, const std::string& phase) {
        for (int i = 0; i < 100; ++i) {
            json message = phone.Next();
            if (message.is_null()) return nullptr;
            if (message.value("phase", "") == phase) return message;
        }
        return nullptr;
    }
    // Why the phone's next refusal says it was refused; empty when none comes.
    static std::string Refusal(Phone& phone) {
        for (int i = 0; i < 100; ++i) {
            const json message = phone.Next();
            if (message.is_null()) return "";
            if (message.value("type", "") == "refused") return message.value("why", "");
        }
        return "";
    }
    bool StageSoon(classroom::Stage stage, int ms) {
        for (int t = 0; t < ms && classroom::View().stage != stage; t += 27) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            Frame();
        }
        return classroom::View().stage == stage;
    }
    // An answer that reaches the game before the fake clock moves on.
    void Answer(Phone& phone, int q, int n) {
        phone.Send({{"v", 1}, {"type", "answer"}, {"q", q}, {"n", n}});
        const int before = classroom::Game().Answered();
        for (int i = 0; i < 400 && classroom::Game().Answered() == before &&
                        classroom::View().stage == classroom::Stage::Open;
             ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            Interface::PumpMessages();
        }
    }

    asio::io_context io_;
    std::vector<std::unique_ptr<Phone>> phones_;
};

TEST_F(ClassGameTest, AClassPlaysFromTheLobbyToTheResultsFiles) {
    OpenLobby();
    Phone& ann = Join(1, "Anna");
    Phone& bob = Join(2, "Bořek");
    Phone& cyr = Join(3, "Cyril");
    Phone& dan = Join(4, "   ");
    ASSERT_TRUE(SeatedSoon(4));
    EXPECT_EQ(classroom::Game().PupilAt(3).name, "Hráč 4");  // a name of spaces is mapped
    SaveScreenshot("class_lobby");

    // The host removes the fourth phone: it is told, and its id cannot come back.
    ClickAt(320 + 10 + 3 * 0, 80 + 3 * 16 + 5);
    EXPECT_EQ(classroom::View().confirmSeat, 3);
    ClickAt(300, 318);  // "Odebrat"
    EXPECT_EQ(classroom::Game().Seated(), 3);
    EXPECT_EQ(Refusal(dan), "removed");
    EXPECT_EQ(Refusal(Join(4, "Dan")), "removed");

    ClickAt(665, 505);  // Začít: ten questions, twenty seconds
    ASSERT_EQ(Interface::GetState(), StateClassGame);
    for (int q = 0; q < 10; ++q) {
        ASSERT_TRUE(StageSoon(classroom::Stage::Open, 6000)) << "question " << q;
        const int right = classroom::View().correct + 1;
        const json choose = Until(ann, "choose");
        ASSERT_FALSE(choose.is_null());
        EXPECT_EQ(choose.value("q", -1), q);
        EXPECT_EQ(choose["answers"].size(), 3u);
        Answer(ann, q, right);  // at once: all the speed points
        bob.Send({{"v", 1}, {"type", "answer"}, {"q", q + 1}, {"n", right}});  // refused
        EXPECT_EQ(Refusal(bob), "another question");
        Answer(bob, q, right % 3 + 1);  // wrong
        bob.Send({{"v", 1}, {"type", "answer"}, {"q", q}, {"n", right}});
        EXPECT_EQ(Refusal(bob), "already answered");
        if (q == 0) {
            EXPECT_EQ(classroom::Game().Answered(), 2);
            SaveScreenshot("class_question");
        }
        RunFor(10000);  // half the clock gone
        EXPECT_EQ(classroom::View().stage, classroom::Stage::Open);
        Answer(cyr, q, right);
        ASSERT_TRUE(StageSoon(classroom::Stage::Reveal, 200)) << "everyone answered";
        const json outcome = Until(ann, "outcome");
        ASSERT_FALSE(outcome.is_null());
        EXPECT_EQ(outcome.value("verdict", ""), "right");
        EXPECT_EQ(outcome.value("place", 0), 1);
        EXPECT_EQ(outcome.value("of", 0), 3);
        EXPECT_EQ(outcome.value("streak", 0), q + 1);
        if (q == 0) SaveScreenshot("class_reveal");
        TypeChar(' ', 0x39);
    }
    ASSERT_TRUE(StageSoon(classroom::Stage::Podium, 500));
    SaveScreenshot("class_podium");
    const classroom::ClassGame& game = classroom::Game();
    EXPECT_EQ(game.PupilAt(0).points, 10 * 1000);
    EXPECT_EQ(game.PupilAt(1).points, 0);
    EXPECT_GT(game.PupilAt(2).points, 10 * 500);
    EXPECT_LT(game.PupilAt(2).points, 10 * 600);
    EXPECT_EQ(Until(bob, "result").value("place", 0), 3);

    const classroom::SavedResults& saved = classroom::View().saved;
    ASSERT_TRUE(saved.saved) << saved.why;
    const std::string csv = FileText(saved.pupilsFile);
    EXPECT_NE(csv.find("1;Anna;10000;10;správně;"), std::string::npos) << csv;
    EXPECT_NE(csv.find("3;Bořek;0;0;špatně;"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(saved.questionsFile));
    TypeChar(' ', 0x39);
    EXPECT_EQ(classroom::View().stage, classroom::Stage::Ranking);
    SaveScreenshot("class_ranking");
    TypeChar(' ', 0x39);
    EXPECT_EQ(Interface::GetState(), StateClassLobby);
}

// Anna and Bořek start; Cyril joins during the first question and plays from the second with
// nothing scored; Bořek's phone drops (the game does not wait for it), comes back with its id to
// its seat, points and answers, and plays on. Both files read back what happened.
TEST_F(ClassGameTest, ALateJoinerPlaysFromTheNextQuestionAndADroppedPhoneKeepsItsSeat) {
    OpenLobby();
    Phone& ann = Join(1, "Anna");
    Phone* bob = &Join(2, "Bořek");
    ASSERT_TRUE(SeatedSoon(2));
    ClickAt(665, 505);  // Začít: ten questions, twenty seconds
    ASSERT_TRUE(StageSoon(classroom::Stage::Open, 6000));
    const classroom::ClassGame& game = classroom::Game();
    std::array<int, 10> right{};
    right[0] = classroom::View().correct;

    Phone& cyr = Join(3, "Cyril");
    ASSERT_TRUE(SeatedSoon(3));
    json wait = Until(cyr, "waiting");  // the room's own greeting may come first
    while (!wait.is_null() && wait.value("note", "") != "running") wait = Until(cyr, "waiting");
    EXPECT_FALSE(wait.is_null()) << "a late pupil is told the game runs";
    EXPECT_EQ(game.Playing(), 2);
    Answer(ann, 0, right[0] + 1);
    RunFor(5000);
    Answer(*bob, 0, right[0] + 1);
    ASSERT_TRUE(StageSoon(classroom::Stage::Reveal, 200)) << "the two playing answered";
    EXPECT_EQ(game.PupilAt(2).points, 0);
    EXPECT_EQ(game.PupilAt(2).choices[0], classroom::kNotPlaying);
    const int32_t bobAfterFirst = game.PupilAt(1).points;
    EXPECT_NEAR(bobAfterFirst, 775, 5);  // a quarter of the clock gone

    Drop(*bob);
    ASSERT_TRUE(ConnectedSoon(1, false));
    TypeChar(' ', 0x39);
    ASSERT_TRUE(StageSoon(classroom::Stage::Open, 6000));
    right[1] = classroom::View().correct;
    EXPECT_EQ(Until(cyr, "choose").value("q", -1), 1);
    Answer(ann, 1, right[1] + 1);
    Answer(cyr, 1, right[1] + 1);
    ASSERT_TRUE(StageSoon(classroom::Stage::Reveal, 200)) << "a dropped phone is not waited for";
    // A wide screen's bands: the counter on the left, the top pupils in their colours on the right.
    const platform::SideBands& bands = platform::CurrentSideBands();
    ASSERT_EQ(bands.left.size(), 2u);
    EXPECT_EQ(bands.left[1].text.text, "2 / 10");
    ASSERT_EQ(bands.right.size(), 1u + 2 * 3);
    EXPECT_EQ(bands.right[1].text.text, "1. Anna");
    EXPECT_EQ(bands.right[3].text, (platform::BandPiece{"2. Cyril", room::SeatColour(2)}));
    EXPECT_EQ(bands.right[6].text.text, std::to_string(bobAfterFirst));
    headless::SetWindowSize(1920, 1080);
    std::filesystem::create_directories(BRELLIK_SCREENSHOT_DIR);
    EXPECT_TRUE(headless::WindowPicture().SavePng(std::string(BRELLIK_SCREENSHOT_DIR) + "/class_wide_reveal.png"));

    bob = &Join(2, "Bořek");
    ASSERT_TRUE(ConnectedSoon(1, true));
    EXPECT_EQ(game.Seated(), 3);
    EXPECT_EQ(game.PupilAt(1).points, bobAfterFirst);
    EXPECT_EQ(game.PupilAt(1).choices[0], right[0]);
    EXPECT_EQ(game.PupilAt(1).choices[1], classroom::kNoChoice);
    for (int q = 2; q < 10; ++q) {
        TypeChar(' ', 0x39);
        ASSERT_TRUE(StageSoon(classroom::Stage::Open, 6000)) << "question " << q;
        right[q] = classroom::View().correct;
        ASSERT_EQ(Until(*bob, "choose").value("q", -1), q);
        for (Phone* phone : {&ann, bob, &cyr}) Answer(*phone, q, right[q] + 1);
        ASSERT_TRUE(StageSoon(classroom::Stage::Reveal, 200)) << "question " << q;
    }
    TypeChar(' ', 0x39);
    ASSERT_TRUE(StageSoon(classroom::Stage::Podium, 500));

    const classroom::SavedResults& saved = classroom::View().saved;
    ASSERT_TRUE(saved.saved) << saved.why;
    std::string rightAfter;  // "správně" for each of the questions after the first two
    for (int q = 2; q < 10; ++q) rightAfter += ";správně";
    const std::vector<std::string> pupils = Lines(FileText(saved.pupilsFile));
    ASSERT_EQ(pupils.size(), 4u);
    EXPECT_TRUE(pupils[1].starts_with("1;Anna;") && pupils[1].ends_with(";10;správně;správně" + rightAfter))
        << pupils[1];
    EXPECT_EQ(pupils[2], "2;Cyril;" + std::to_string(game.PupilAt(2).points) + ";9;;správně" + rightAfter);
    EXPECT_EQ(pupils[3], "3;Bořek;" + std::to_string(game.PupilAt(1).points) + ";9;správně;bez odpovědi" +
                             rightAfter);
    // The questions: who chose what, who gave none, and the share right, per question.
    const std::vector<std::string> lines = Lines(FileText(saved.questionsFile));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_TRUE(lines[1].starts_with("1;") && lines[1].ends_with(";0;100")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("2;") && lines[2].ends_with(";1;66")) << lines[2];
    EXPECT_TRUE(lines[10].starts_with("10;") && lines[10].ends_with(";0;100")) << lines[10];
    EXPECT_NE(lines[2].find(right[1] == 0 ? ";2;0;0;1;66" : right[1] == 1 ? ";0;2;0;1;66" : ";0;0;2;1;66"),
              std::string::npos)
        << lines[2];
}

TEST_F(ClassGameTest, ABankShorterThanTheGamePlaysTheQuestionsItHas) {
    static quiz::Question few[3]{};
    for (quiz::Question& record : few) {
        std::snprintf(record.question, sizeof record.question, "Kolik?");
        for (int k = 0; k < quiz::kAnswerCount; ++k) {
            std::snprintf(record.answers[k], sizeof record.answers[k], "%d", k);
        }
    }
    ClassAttachQuestionBank(few, 3);
    OpenLobby();
    Join(1, "Anna");
    ASSERT_TRUE(SeatedSoon(1));
    ClickAt(665, 505);  // Začít: ten questions
    ASSERT_EQ(Interface::GetState(), StateClassGame);
    EXPECT_EQ(classroom::Game().Questions(), 3);
    for (int q = 0; q < 3; ++q) {
        ASSERT_TRUE(StageSoon(classroom::Stage::Open, 6000)) << "question " << q;
        RunFor(20100);  // nobody answers: the clock runs out
        ASSERT_EQ(classroom::View().stage, classroom::Stage::Reveal);
        TypeChar(' ', 0x39);
    }
    EXPECT_EQ(classroom::View().stage, classroom::Stage::Podium);
    EXPECT_EQ(classroom::Game().Tallies().size(), 3u);
}

}  // namespace

#include "class_board.h"

#include "class_mode.h"
#include "frame/interface.h"
#include "gfx/text_wrap.h"
#include "phones/phone_server.h"
#include "platform/platform.h"
#include "room/join_code.h"
#include "room/player_colours.h"
#include "screens/screen_tools.h"
#include "screens/shared_fonts.h"

#include <algorithm>
#include <string>

namespace classroom {

namespace {

constexpr uint32_t kPanel = 0x3A2410;
constexpr uint32_t kText = 0xFFFFFF;
constexpr uint32_t kDim = 0xB0A090;
constexpr uint32_t kGold = 0x29B9F6;
constexpr uint32_t kButton = 0x7A5020;
constexpr uint32_t kChosenButton = 0x2A9A3A;
constexpr uint32_t kAnswerColours[kAnswers] = {0x3F3FD0, 0xC07020, 0x30A040};
constexpr gfx::Rect kQrArea = {20, 50, 300, 330};
constexpr gfx::Rect kOtherAddress = {20, 374, 160, 400};
constexpr gfx::Rect kStart = {560, 480, 770, 530};
constexpr gfx::Rect kConfirm = {200, 230, 600, 350};
constexpr gfx::Rect kYes = {240, 300, 380, 336};
constexpr gfx::Rect kNo = {420, 300, 560, 336};
constexpr int kNamesLeft = 320, kNamesTop = 80, kNameWidth = 155, kNameHeight = 16;
constexpr int kNameRows = 20;

std::string Cp(const std::string& utf8) { return platform::Utf8ToCp1250(utf8); }

bool Inside(const gfx::Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

gfx::Rect LengthArea(int i) { return {110 + 60 * i, 420, 160 + 60 * i, 450}; }
gfx::Rect TimeArea(int i) { return {200 + 70 * i, 470, 260 + 70 * i, 500}; }
gfx::Rect NameArea(int index) {
    const int left = kNamesLeft + index / kNameRows * kNameWidth;
    const int top = kNamesTop + index % kNameRows * kNameHeight;
    return {left, top, left + kNameWidth - 4, top + kNameHeight};
}
gfx::Rect AnswerArea(int k) { return {40, 250 + 80 * k, 520, 320 + 80 * k}; }

void Centred(gfx::Canvas& canvas, const gfx::Rect& r, const std::string& cp) {
    const gfx::Size size = canvas.TextExtent(cp);
    canvas.TextOut(r.left + (r.right - r.left - size.width) / 2,
                   r.top + (r.bottom - r.top - size.height) / 2, cp);
}

void Button(gfx::Canvas& canvas, const gfx::Rect& r, const std::string& utf8, bool on, bool enabled = true) {
    canvas.FillRect(r, on ? kChosenButton : kButton);
    canvas.SetTextColor(enabled ? kText : kDim);
    Centred(canvas, r, Cp(utf8));
}

void Wrapped(gfx::Canvas& canvas, const gfx::Font* font, const std::string& cp, const gfx::Rect& r) {
    canvas.SelectFont(font);
    canvas.DrawText(gfx::WrapText(cp, *font, r.right - r.left, r.bottom - r.top).text, r);
}

class Board : public Control {
public:
    explicit Board(const phones::PhoneServer* server) : Control(kBoardId), server_(server) {
        SetFlags(kTransparent);
    }
    void Render() override;
    std::size_t Addresses() const { return code_.AddressCount(); }
    void NextAddress() { code_.NextAddress(); }
    int secondsShown = -1;

private:
    void DrawLobby(gfx::Canvas& canvas);
    void DrawQr(gfx::Canvas& canvas);
    void DrawQuestion(gfx::Canvas& canvas);
    void DrawReveal(gfx::Canvas& canvas);
    void DrawPodium(gfx::Canvas& canvas);
    void DrawRanking(gfx::Canvas& canvas);
    void DrawSaved(gfx::Canvas& canvas, int top);

    const phones::PhoneServer* server_;
    room::JoinCode code_;
};

Board* TheBoard() { return dynamic_cast<Board*>(Interface::FindControl(kBoardId)); }

void Board::Render() {
    if (!Picture()) return;
    gfx::Canvas canvas(*Picture());
    canvas.FillRect({0, 0, Width(), Height()}, kPanel);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.SetTextColor(kText);
    switch (View().stage) {
        case Stage::Lobby: DrawLobby(canvas); break;
        case Stage::Showing:
        case Stage::Open: DrawQuestion(canvas); break;
        case Stage::Reveal: DrawReveal(canvas); break;
        case Stage::Podium: DrawPodium(canvas); break;
        case Stage::Ranking: DrawRanking(canvas); break;
    }
}

void Board::DrawQr(gfx::Canvas& canvas) {
    code_.Follow(server_);
    if (code_.Url().empty()) {
        canvas.SelectFont(FontBold20);
        canvas.DrawText(Cp("Telefony nejdou zapnout (viz Debug.log)"), kQrArea);
        return;
    }
    if (code_.NoNetwork()) {
        canvas.FillRect(kQrArea, 0xFFFFFF);
        room::DrawNoNetwork(canvas, kQrArea.left + 20, kQrArea.top + 20, 0x3A2010);
    }
    code_.DrawQr(canvas, kQrArea, 2);
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(kText);
    int y = kQrArea.bottom + 4;
    for (const std::string& line : code_.AddressLines(canvas, kQrArea.right - kQrArea.left)) {
        canvas.TextOut(kQrArea.left, y, line);
        y += 16;
    }
    if (code_.AddressCount() > 1) {
        canvas.SelectFont(FontSmall14);
        Button(canvas, kOtherAddress, "Jiná adresa", false);
    }
}

void Board::DrawLobby(gfx::Canvas& canvas) {
    const ClassView& view = View();
    const ClassGame& game = Game();
    canvas.SelectFont(FontBold26);
    canvas.TextOut(20, 10, Cp("Celá třída: naskenujte kód telefonem"));
    DrawQr(canvas);
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kGold);
    canvas.TextOut(kNamesLeft, 50, Cp("Připojeno: " + std::to_string(game.Seated())));
    canvas.SelectFont(FontSmall14);
    for (int seat = 0, shown = 0; seat < kMaxPupils; ++seat) {
        const Pupil& pupil = game.PupilAt(seat);
        if (!pupil.present || pupil.removed) continue;
        canvas.SetTextColor(pupil.connected ? room::SeatColour(seat) : kDim);
        canvas.DrawText(Cp(pupil.name), NameArea(shown++));
    }
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kText);
    canvas.TextOut(20, 424, Cp("Otázek:"));
    for (int i = 0; i < 3; ++i) {
        Button(canvas, LengthArea(i), std::to_string(kLengths[i]), view.length == kLengths[i]);
    }
    canvas.SetTextColor(kText);
    canvas.TextOut(20, 474, Cp("Čas na odpověď:"));
    for (int i = 0; i < 3; ++i) {
        Button(canvas, TimeArea(i), std::to_string(kAnswerSeconds[i]) + " s",
               view.answerSeconds == kAnswerSeconds[i]);
    }
    canvas.SelectFont(FontBold26);
    Button(canvas, kStart, "Začít", false, game.Seated() > 0);
    if (view.confirmSeat >= 0) {
        canvas.FillRect(kConfirm, 0x202020);
        canvas.SelectFont(FontBold20);
        canvas.SetTextColor(kText);
        Centred(canvas, {kConfirm.left, kConfirm.top + 10, kConfirm.right, kConfirm.top + 50},
                Cp("Odebrat ze hry: " + game.PupilAt(view.confirmSeat).name + "?"));
        Button(canvas, kYes, "Odebrat", false);
        Button(canvas, kNo, "Nechat", false);
    }
}

void Board::DrawQuestion(gfx::Canvas& canvas) {
    const ClassView& view = View();
    const ClassGame& game = Game();
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kGold);
    canvas.TextOut(40, 20, Cp("Otázka " + std::to_string(view.number + 1) + " z " +
                              std::to_string(game.Questions())));
    canvas.SetTextColor(kText);
    Wrapped(canvas, FontBold26, view.question.question, {40, 60, 760, 240});
    for (int k = 0; k < view.revealed && k < kAnswers; ++k) {
        canvas.FillRect(AnswerArea(k), kAnswerColours[k]);
        canvas.SetTextColor(kText);
        Wrapped(canvas, FontBold20, std::string(1, static_cast<char>('A' + k)) + ")  " +
                                        view.question.answers[k],
                {AnswerArea(k).left + 10, AnswerArea(k).top + 8, AnswerArea(k).right - 10,
                 AnswerArea(k).bottom - 4});
    }
    if (view.stage != Stage::Open) return;
    secondsShown = game.SecondsLeft(platform::GetTickCount());
    canvas.SelectFont(FontBold26);
    canvas.SetTextColor(secondsShown <= 3 ? 0x4040FF : kGold);
    Centred(canvas, {560, 260, 760, 320}, std::to_string(secondsShown) + " s");
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kText);
    Centred(canvas, {540, 340, 780, 380}, Cp("Odpovědělo " + std::to_string(game.Answered()) +
                                              " z " + std::to_string(game.Playing())));
}

std::string Movement(int before, int now) {
    if (before == 0) return "nový";
    if (before == now) return "=";
    return before > now ? "+" + std::to_string(before - now) : "-" + std::to_string(now - before);
}

void Board::DrawReveal(gfx::Canvas& canvas) {
    const ClassView& view = View();
    const ClassGame& game = Game();
    const QuestionTally& tally = game.Tallies().back();
    const int most = std::max({tally.chosen[0], tally.chosen[1], tally.chosen[2], 1});
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kGold);
    canvas.TextOut(40, 20, Cp("Otázka " + std::to_string(game.Question() + 1) + " z " +
                              std::to_string(game.Questions())));
    canvas.SetTextColor(kText);
    Wrapped(canvas, FontBold20, view.question.question, {40, 50, 760, 120});
    for (int k = 0; k < kAnswers; ++k) {
        const gfx::Rect row = {40, 130 + 60 * k, 440, 180 + 60 * k};
        canvas.FillRect(row, k == view.correct ? kChosenButton : 0x504030);
        canvas.SetTextColor(k == view.correct ? kText : kDim);
        Wrapped(canvas, FontRegular20, std::string(1, static_cast<char>('A' + k)) + ")  " +
                                           view.question.answers[k],
                {row.left + 8, row.top + 4, row.right - 8, row.bottom});
        const int bar = 280 * tally.chosen[k] / most;
        canvas.FillRect({450, row.top + 10, 450 + std::max(bar, 2), row.bottom - 10}, kAnswerColours[k]);
        canvas.SelectFont(FontBold20);
        canvas.SetTextColor(kText);
        canvas.TextOut(460 + bar, row.top + 12, std::to_string(tally.chosen[k]));
    }
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kGold);
    canvas.TextOut(40, 320, Cp("Nejlepší pětice"));
    const std::vector<int> ranking = game.Ranking();
    for (int i = 0; i < 5 && i < static_cast<int>(ranking.size()); ++i) {
        const int seat = ranking[i];
        const Pupil& pupil = game.PupilAt(seat);
        const int top = 350 + 36 * i;
        canvas.SetTextColor(room::SeatColour(seat));
        canvas.TextOut(40, top, Cp(std::to_string(game.PlaceOf(seat)) + ". " + pupil.name));
        canvas.SetTextColor(kText);
        canvas.TextOut(420, top, std::to_string(pupil.points));
        canvas.SetTextColor(kDim);
        canvas.TextOut(520, top, Cp(Movement(pupil.placeBefore, game.PlaceOf(seat))));
    }
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(kDim);
    canvas.TextOut(560, 540, Cp("Dál: klávesa nebo klepnutí"));
}

void Board::DrawSaved(gfx::Canvas& canvas, int top) {
    const SavedResults& saved = View().saved;
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(saved.saved ? kText : 0x6060FF);
    const std::string line = saved.saved ? "Výsledky jsou uloženy ve složce " + saved.folder
                                         : "Výsledky se nepodařilo uložit do " + saved.folder +
                                               ": " + saved.why;
    canvas.DrawText(Cp(line), {20, top, 780, top + 36});
}

void Board::DrawPodium(gfx::Canvas& canvas) {
    const ClassGame& game = Game();
    canvas.SelectFont(FontBold26);
    canvas.SetTextColor(kGold);
    Centred(canvas, {0, 20, 800, 60}, Cp("Konec hry"));
    const std::vector<int> ranking = game.Ranking();
    // Second on the left, first in the middle, third on the right.
    constexpr int kColumn[3] = {1, 0, 2};
    constexpr int kHeight[3] = {260, 200, 150};
    for (int i = 0; i < 3 && i < static_cast<int>(ranking.size()); ++i) {
        const int seat = ranking[i];
        const int left = 100 + kColumn[i] * 210;
        const gfx::Rect block = {left, 500 - kHeight[i], left + 180, 500};
        canvas.FillRect(block, room::SeatColour(seat));
        canvas.SetTextColor(0);
        canvas.SelectFont(FontBold26);
        Centred(canvas, {block.left, block.top + 10, block.right, block.top + 50},
                std::to_string(i + 1) + ".");
        canvas.SetTextColor(kText);
        canvas.SelectFont(FontBold20);
        Centred(canvas, {block.left - 10, block.top - 60, block.right + 10, block.top - 30},
                Cp(game.PupilAt(seat).name));
        Centred(canvas, {block.left, block.top - 30, block.right, block.top - 4},
                std::to_string(game.PupilAt(seat).points));
    }
    DrawSaved(canvas, 510);
}

void Board::DrawRanking(gfx::Canvas& canvas) {
    const ClassGame& game = Game();
    canvas.SelectFont(FontBold26);
    canvas.SetTextColor(kGold);
    canvas.TextOut(40, 15, Cp("Pořadí"));
    canvas.SelectFont(FontBold20);
    const std::vector<int> ranking = game.Ranking();
    const int first = View().scroll;
    for (int i = first; i < first + kRankingRows && i < static_cast<int>(ranking.size()); ++i) {
        const int seat = ranking[i];
        const Pupil& pupil = game.PupilAt(seat);
        const int top = 60 + 28 * (i - first);
        canvas.SetTextColor(room::SeatColour(seat));
        canvas.TextOut(40, top, Cp(std::to_string(game.PlaceOf(seat)) + ". " + pupil.name));
        canvas.SetTextColor(kText);
        canvas.TextOut(460, top, std::to_string(pupil.points));
        canvas.TextOut(560, top, Cp("správně " + std::to_string(pupil.right)));
    }
    if (static_cast<int>(ranking.size()) > kRankingRows) {
        canvas.SelectFont(FontSmall14);
        canvas.SetTextColor(kDim);
        canvas.TextOut(560, 15, Cp("šipky nahoru a dolů posunou"));
    }
    DrawSaved(canvas, 490);
}

}  // namespace

void AddBoard(const phones::PhoneServer* server) {
    auto* board = screens::AddToScreen(new Board(server));
    if (!board) return;
    board->SetPosition(0, 0);
    board->SetSize(Interface::kPlayWidth, kBoardBottom);
}

void RefreshBoard() {
    if (Board* board = TheBoard()) board->Render();
}

void NextBoardAddress() {
    if (Board* board = TheBoard()) board->NextAddress();
}

int BoardSecondsShown() {
    const Board* board = TheBoard();
    return board ? board->secondsShown : -1;
}

BoardHit HitBoard(int x, int y) {
    if (View().confirmSeat >= 0) {
        if (Inside(kYes, x, y)) return {BoardHit::ConfirmYes, 0};
        if (Inside(kNo, x, y)) return {BoardHit::ConfirmNo, 0};
        return {};
    }
    for (int i = 0; i < 3; ++i) {
        if (Inside(LengthArea(i), x, y)) return {BoardHit::Length, i};
        if (Inside(TimeArea(i), x, y)) return {BoardHit::Time, i};
    }
    if (Inside(kOtherAddress, x, y)) {
        Board* board = TheBoard();
        if (board && board->Addresses() > 1) return {BoardHit::OtherAddress, 0};
    }
    if (Inside(kStart, x, y)) return Game().Seated() > 0 ? BoardHit{BoardHit::Start, 0} : BoardHit{};
    for (int seat = 0, shown = 0; seat < kMaxPupils; ++seat) {
        const Pupil& pupil = Game().PupilAt(seat);
        if (!pupil.present || pupil.removed) continue;
        if (Inside(NameArea(shown++), x, y)) return {BoardHit::Pupil, seat};
    }
    return {};
}

}  // namespace classroom

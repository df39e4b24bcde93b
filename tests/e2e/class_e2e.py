"""A class plays the class game: the real game under Xvfb (1920 x 1080), three headless
chromium phones (390 x 844, Selenium) and thirty protocol clients (websockets). The host
opens "Celá třída" from the main menu; every phone joins at the address read from the QR
code on the screen (it must be on 127.0.0.1: the profile binds the server there), and the
host clicks Začít. The question bank holds five questions, so the game has five. Every
pupil acts on each question as plan() says (right, wrong or no answer) and the host goes on
with a key after each. The podium is read off the screen by the colours of its blocks (each
pupil's seat has its colour), the phones' places and both CSV files in "Výsledky" are
checked against the answers given. Screenshots of the game and of a phone in each phase go
to <output folder>/class.

Usage: class_e2e.py <brellik> <qbank> <xclose> <output folder>
Every wait is bounded; nothing but 127.0.0.1 is ever contacted.
"""
import asyncio
import glob
import json
import os
import random
import subprocess
import sys
import threading
import time
import urllib.parse

import websockets
from selenium.webdriver.common.by import By

GAME, QBANK, XCLOSE, OUT = sys.argv[1:5]
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "phones"))
from phone_browser import phone_browser  # noqa: E402
from x11_screen import Screen  # noqa: E402

RIGHT = "Správná odpověď je tento dlouhý řádek"
QUESTIONS = 5
BROWSERS = ("Ada", "Bob", "Cyril")  # seats 0, 1 and 2
CLIENTS = 30                       # seats 3 to 32
PUPILS = len(BROWSERS) + CLIENTS
WORDS = {"right": "správně", "wrong": "špatně", "none": "bez odpovědi"}
# The seats' colours (r, g, b) as the game draws them, for seats 0, 1 and 2.
SEAT_COLOURS = ((0xF6, 0xB9, 0x29), (0x1F, 0xB5, 0xA5), (0xEC, 0x5A, 0x3F))
folder = os.path.join(OUT, "class")
failures = []


def fail(what):
    print("FAIL:", what)
    failures.append(what)


def plan(seat, q):
    """What the pupil in `seat` does with question q: Ada is always right, Bob wrong once,
    Cyril once wrong and once silent, every other pupil right at most twice; silence only on
    questions 2 and 4, so the others end when the last pupil answers."""
    if seat < len(BROWSERS):
        return {1: {1: "wrong"}, 2: {1: "none", 3: "wrong"}}.get(seat, {}).get(q, "right")
    kind = (seat + q) % 3
    if kind == 0:
        return "right"
    return "none" if kind == 2 and q in (1, 3) else "wrong"


def name_of(seat):
    return BROWSERS[seat] if seat < len(BROWSERS) else f"Žák {seat - len(BROWSERS) + 1}"


def choice(answers, kind):
    """The answer number (1 to 3) to send for `kind`."""
    right = answers.index(RIGHT)
    return right + 1 if kind == "right" else (right + 1) % 3 + 1


class BrowserPhone:
    def __init__(self, seat):
        self.seat = seat
        self.name = name_of(seat)
        self.driver = phone_browser()

    def text(self, element):
        found = self.driver.find_elements(By.ID, element)
        return found[0].text if found else ""

    def wait_for(self, *texts, seconds=20.0):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if any(text in self.text("phase") for text in texts):
                return True
            time.sleep(0.05)
        fail(f"{self.name}: no {texts} within {seconds} s (shows {self.text('phase')!r})")
        return False

    def shot(self, phase):
        self.driver.save_screenshot(os.path.join(folder, f"phone_{self.name}_{phase}.png"))

    def answer(self, q):
        kind = plan(self.seat, q)
        if kind == "none":
            return
        buttons = self.driver.find_elements(By.CSS_SELECTOR, "#answers button")
        texts = [button.text for button in buttons]
        if len(texts) != 3 or RIGHT not in texts:
            fail(f"{self.name}: answer buttons {texts}")
            return
        buttons[choice(texts, kind) - 1].click()

    def quit(self):
        self.driver.quit()


class Clients:
    """The thirty protocol clients on a thread of their own: each joins, answers as plan()
    says a little after its answers are offered, and keeps what the game told it."""

    def __init__(self, url):
        query = urllib.parse.urlparse(url)
        self.port = query.port
        self.token = urllib.parse.parse_qs(query.query)["t"][0]
        self.seats = {}      # client number: the seat the welcome gave
        self.outcomes = {}   # (seat, question): the outcome message
        self.results = {}    # seat: the result message
        self.joined = threading.Event()
        self.stop = threading.Event()
        self.thread = threading.Thread(target=lambda: asyncio.run(self.run()), daemon=True)
        self.thread.start()

    async def run(self):
        sockets = []
        try:
            for number in range(CLIENTS):
                ws = await websockets.connect(
                    f"ws://127.0.0.1:{self.port}/ws?t={self.token}",
                    origin=f"http://127.0.0.1:{self.port}", open_timeout=10)
                sockets.append(ws)
                await ws.send(json.dumps({"v": 1, "type": "join", "id": f"class-e2e-{number}",
                                          "name": name_of(len(BROWSERS) + number)}))
                while number not in self.seats:
                    message = json.loads(await asyncio.wait_for(ws.recv(), 10))
                    if message["type"] == "welcome":
                        self.seats[number] = message["slot"]
            self.joined.set()
            await asyncio.gather(*(self.play(ws, self.seats[n]) for n, ws in enumerate(sockets)))
        except (OSError, asyncio.TimeoutError, websockets.WebSocketException) as error:
            fail(f"a protocol client: {error!r}")
        finally:
            for ws in sockets:
                await ws.close()

    async def play(self, ws, seat):
        answered = set()
        deadline = time.monotonic() + 240
        pinged = 0.0
        while not self.stop.is_set() and time.monotonic() < deadline:
            # As the page does: a pupil who stays silent through a question stays connected.
            if time.monotonic() - pinged >= 5:
                pinged = time.monotonic()
                await ws.send(json.dumps({"v": 1, "type": "ping", "t": pinged}))
            try:
                message = json.loads(await asyncio.wait_for(ws.recv(), 1))
            except asyncio.TimeoutError:
                continue
            phase, q = message.get("phase"), message.get("q")
            if phase == "choose" and q not in answered:
                answered.add(q)
                kind = plan(seat, q)
                if kind != "none":
                    await asyncio.sleep(random.uniform(0.2, 1.5))
                    await ws.send(json.dumps({"v": 1, "type": "answer", "q": q,
                                              "n": choice(message["answers"], kind)}))
            elif phase == "outcome":
                self.outcomes[(seat, max(answered))] = message
            elif phase == "result":
                self.results[seat] = message


def bounded_wait(condition, what, seconds):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            fail(f"no {what} within {seconds} s")
            return False
        time.sleep(0.1)
    return True


def make_game():
    subprocess.run(["bash", "-c", f'. "{HERE}/x11_helpers.sh"; fail() {{ exit 1; }}; '
                    f'make_long_answer_game "$0" "$1" "$2"', folder, GAME, QBANK], check=True,
                   timeout=120)
    # Five questions: a game of ten has five.
    source = os.path.join(folder, "five.txt")
    with open(source, "w") as questions:
        for n in range(1, QUESTIONS + 1):
            questions.write(f"Otázka pro třídu číslo {n}?\n{RIGHT}\na\nb\n\n")
    subprocess.run([QBANK, "compile", source, "-o",
                    os.path.join(folder, "game", "Data", "otazky4.crp")], check=True, timeout=60)
    os.symlink(os.path.join(os.path.dirname(GAME), "web"), os.path.join(folder, "game", "web"))
    with open(os.path.join(folder, "home", "tarvex_p.ini"), "w") as profile:
        profile.write(f"[Brellik]\nRuntime path={folder}/home/\nPhone address=127.0.0.1\n"
                      "Phone port=0\n")


def open_lobby(screen):
    """The lobby's join address, read from the QR code on the screen."""
    for _ in range(10):  # a loaded machine may start slowly
        screen.click(40, 440, 1.5)  # skip the intro
        screen.click(725, 82, 2)    # Celá třída
        out = screen.run("zbarimg", "--quiet", "--raw", screen.shot("lobby_empty")).stdout.strip()
        if out:
            if not out.startswith("http://127.0.0.1:") or "/?t=" not in out:
                fail(f"the code on the screen reads {out!r}")
                return None
            return out
    fail("the class lobby did not open")
    return None


def click_start(screen):
    """Začít: the largest block of the lobby's button colour, wherever the lobby puts it."""
    picture = screen.shot("lobby_full")
    out = screen.run("convert", picture, "-fuzz", "3%", "-fill", "black", "+opaque",
                     "rgb(32,80,122)", "-fill", "white", "-opaque", "rgb(32,80,122)",
                     "-define", "connected-components:verbose=true",
                     "-connected-components", "8", "null:").stdout
    blocks = []
    for line in out.splitlines()[1:]:
        fields = line.split()
        if len(fields) >= 5 and ("255" in fields[4] or "white" in fields[4]):
            size, _, area = fields[1], fields[2], int(fields[3])
            width, rest = size.split("x")
            height, left, top = rest.split("+")
            blocks.append((area, int(left) + int(width) // 2, int(top) + int(height) // 2))
    if not blocks:
        fail("no Začít button on the lobby")
        return
    _, x, y = max(blocks)
    screen.click_point(x, y, 2)


def play_question(screen, browsers, clients, q):
    ada = browsers[0]
    if q == 0:
        ada.wait_for("Poslouchej otázku")
        ada.shot("question")
    for phone in browsers:
        phone.wait_for("Vyber odpověď")
    if q == 0:
        ada.shot("choose")
        screen.shot("game_question")
    for phone in browsers:
        phone.answer(q)
        if q == 0 and phone is ada:
            # Before the others answer: the last answer ends the question at once.
            ada.wait_for("Odpověď odeslána")
            ada.shot("chosen")
    verdicts = {"right": "Správně!", "wrong": "Špatně", "none": "Bez odpovědi"}
    for phone in browsers:
        phone.wait_for(verdicts[plan(phone.seat, q)], seconds=35)
        if plan(phone.seat, q) != "right" or q == 0:
            phone.shot(f"outcome_{q + 1}_{plan(phone.seat, q)}")
    bounded_wait(lambda: all((seat, q) in clients.outcomes for seat in clients.seats.values()),
                 f"outcomes of question {q + 1} on every client", 10)
    for (seat, question), message in clients.outcomes.items():
        expected = "right" if plan(seat, question) == "right" else "wrong"
        if question == q and message.get("verdict") != expected:
            fail(f"seat {seat}, question {q + 1}: the verdict {message.get('verdict')!r}")
    if q == 0:
        screen.shot("game_after_question")
    screen.key("space", 1.5)


def check_podium(screen):
    """Each block of the podium has its pupil's colour, and a name above it."""
    picture = screen.shot("game_podium")
    # Second on the left, first in the middle, third on the right; the blocks end at y 500.
    for place, (left, top) in enumerate(((310, 240), (100, 300), (520, 350))):
        colour = screen.pixel(left + 90, 480, picture)
        if any(abs(a - b) > 12 for a, b in zip(colour, SEAT_COLOURS[place])):
            fail(f"place {place + 1} of the podium is coloured {colour}, "
                 f"not {name_of(place)}'s {SEAT_COLOURS[place]}")
        x, y = screen.at(left - 10, top - 60)
        x2, y2 = screen.at(left + 190, top - 30)
        white = screen.run("convert", picture, "-crop", f"{x2 - x}x{y2 - y}+{x}+{y}", "-fuzz",
                           "10%", "-fill", "black", "+opaque", "white", "-format",
                           "%[fx:mean]", "info:").stdout
        if float(white or 0) < 0.004:  # "Ada" in white is about 0.015 of the strip
            fail(f"no name above place {place + 1} of the podium")


def check_places(browsers, clients):
    for place, phone in enumerate(browsers, 1):
        phone.wait_for("Konec hry", seconds=10)
        if phone.text("place") != f"{place}. místo z {PUPILS}":
            fail(f"{phone.name}: the place reads {phone.text('place')!r}")
    browsers[0].shot("result")
    bounded_wait(lambda: len(clients.results) == CLIENTS, "results on every client", 10)


def read_csv(pattern):
    files = glob.glob(os.path.join(folder, "home", "Výsledky", pattern))
    if len(files) != 1:
        fail(f"Výsledky holds {files} for {pattern}")
        return []
    with open(files[0], encoding="utf-8-sig", newline="") as csv:
        text = csv.read()
    return [line.split(";") for line in text.split("\r\n") if line]


def check_pupils_csv(clients):
    rows = read_csv("* žáci.csv")
    if not rows:
        return
    if rows[0] != ["Pořadí", "Jméno", "Body", "Správně"] + [f"{q + 1}." for q in range(QUESTIONS)]:
        fail(f"the pupils' header: {rows[0]}")
    names = [row[1] for row in rows[1:]]
    if names[:3] != list(BROWSERS) or sorted(names) != sorted(name_of(s) for s in range(PUPILS)):
        fail(f"the pupils' names in order: {names}")
    points = [int(row[2]) for row in rows[1:]]
    for row in rows[1:]:
        seat = next(s for s in range(PUPILS) if name_of(s) == row[1])
        kinds = [plan(seat, q) for q in range(QUESTIONS)]
        rights = kinds.count("right")
        total = clients.results.get(seat, {}).get("total", int(row[2]))
        place = 1 + sum(p > int(row[2]) for p in points)
        if (row[4:] != [WORDS[k] for k in kinds] or int(row[3]) != rights or
                not 100 * rights <= int(row[2]) <= 1000 * rights or int(row[2]) != total or
                int(row[0]) != place):
            fail(f"{row[1]} in the pupils' file: {row} (answers {kinds}, told {total})")


def check_questions_csv():
    rows = read_csv("* otázky.csv")
    if len(rows) != QUESTIONS + 1:
        fail(f"the questions' file has {len(rows) - 1} questions")
        return
    for q, row in enumerate(rows[1:]):
        kinds = [plan(seat, q) for seat in range(PUPILS)]
        chosen = [int(n) for n in row[6:9]]
        right = row[3:6].index(RIGHT) if RIGHT in row[3:6] else -1
        if (row[2] != RIGHT or right < 0 or chosen[right] != kinds.count("right") or
                sum(chosen) - chosen[right] != kinds.count("wrong") or
                int(row[9]) != kinds.count("none") or
                int(row[10]) != kinds.count("right") * 100 // PUPILS):
            fail(f"question {q + 1} in the questions' file: {row}")


def play(screen, clients_url):
    browsers = [BrowserPhone(seat) for seat in range(len(BROWSERS))]
    try:
        for phone in browsers:
            phone.driver.get(clients_url)
            if phone.seat == 0:
                phone.shot("join")
            phone.driver.find_element(By.ID, "name").send_keys(phone.name)
            phone.driver.find_element(By.ID, "join-button").click()
            phone.wait_for("Čekáme na začátek hry")
        browsers[0].shot("waiting")
        clients = Clients(clients_url)
        if not clients.joined.wait(60):
            fail("the protocol clients did not all join")
            return
        if sorted(clients.seats.values()) != list(range(len(BROWSERS), PUPILS)):
            fail(f"the clients' seats: {sorted(clients.seats.values())}")
        time.sleep(1)
        click_start(screen)
        for q in range(QUESTIONS):
            play_question(screen, browsers, clients, q)
        check_places(browsers, clients)
        check_podium(screen)
        screen.key("space", 1.5)
        screen.shot("game_ranking")
        clients.stop.set()
        clients.thread.join(10)
        check_pupils_csv(clients)
        check_questions_csv()
    finally:
        for phone in browsers:
            phone.quit()


def main():
    os.makedirs(folder, exist_ok=True)
    make_game()
    screen = Screen(1920, 1080, folder)
    log = open(os.path.join(folder, "game.log"), "w")
    game = screen.start_game(os.path.join(folder, "game"), os.path.join(folder, "home"), log)
    try:
        time.sleep(3)
        url = open_lobby(screen)
        if url:
            play(screen, url)
    finally:
        problem = screen.close_game(game, XCLOSE)
        if problem:
            fail(problem)
        screen.stop()
    if not failures:
        print(f"{PUPILS} pupils played {QUESTIONS} questions; podium, places and both files agree")


if __name__ == "__main__":
    main()
    sys.exit(1 if failures else 0)

"""Two phones play the buzzer game: the real game under Xvfb (1920 x 1080) and two headless
chromium sessions (390 x 844) driven by Selenium. The host switches phones on with the set-up
screen's switch; the join address is read from the QR code on the screen with zbarimg and
must be on 127.0.0.1 (the profile binds the server there: loopback only). Each phone types a
name and takes a row with its buzzer; then three questions: one right, one wrong then right
from the other phone, one nobody claims. The test checks what each phone showed and what
mp2.sco holds, and saves screenshots of the game and of each phone in each phase.

Usage: phones_e2e.py <brellik> <qbank> <xclose> <output folder>
Every wait is bounded; nothing but 127.0.0.1 is ever contacted.
"""
import os
import re
import struct
import subprocess
import sys
import time

from selenium.webdriver.common.by import By

GAME, QBANK, XCLOSE, OUT = sys.argv[1:5]
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "phones"))
from phone_browser import phone_browser  # noqa: E402
from x11_screen import Screen  # noqa: E402

WIDTH, HEIGHT = 1920, 1080
RIGHT = "Správná odpověď je tento dlouhý řádek"
folder = os.path.join(OUT, "phones")
screen = None  # the game's Xvfb screen, from main()
failures = []


def fail(what):
    print("FAIL:", what)
    failures.append(what)


def click(x, y, pause=1.0):
    screen.click(x, y, pause)


def shot(name):
    return screen.shot(name)


def is_green(x, y):
    r, g, b = screen.pixel(x, y)
    return g > r + 50 and g > b + 50


class Phone:
    def __init__(self, name):
        self.name = name
        self.driver = phone_browser()
        self.seen = []

    def text(self, element):
        return self.driver.find_element(By.ID, element).text

    def wait_for(self, what, seconds=20.0):
        """Waits until the phase line says `what`; records each phase line seen."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            phase = self.text("phase")
            if not self.seen or self.seen[-1] != phase:
                self.seen.append(phase)
            if what in phase:
                return True
            time.sleep(0.05)
        fail(f"{self.name}: no '{what}' within {seconds} s (saw {self.seen[-5:]})")
        return False

    def shot(self, phase):
        self.driver.save_screenshot(os.path.join(folder, f"phone_{self.name}_{phase}.png"))

    def tap_buzzer(self):
        self.driver.find_element(By.ID, "buzz").click()

    def answers(self):
        return [b.text for b in self.driver.find_elements(By.CSS_SELECTOR, "#answers button")]

    def tap_answer(self, right):
        texts = self.answers()
        if len(texts) != 3 or RIGHT not in texts:
            fail(f"{self.name}: answer buttons {texts}")
            return
        index = texts.index(RIGHT) if right else (texts.index(RIGHT) + 1) % 3
        self.driver.find_elements(By.CSS_SELECTOR, "#answers button")[index].click()

    def quit(self):
        self.driver.quit()


def make_game():
    subprocess.run(["bash", "-c", f'. "{HERE}/x11_helpers.sh"; fail() {{ exit 1; }}; '
                    f'make_long_answer_game "$0" "$1" "$2"', folder, GAME, QBANK], check=True,
                   timeout=120)
    os.symlink(os.path.join(os.path.dirname(GAME), "web"), os.path.join(folder, "game", "web"))
    # Phones off until the host switches them on; the server on loopback, any free port.
    with open(os.path.join(folder, "home", "tarvex_p.ini"), "w") as profile:
        profile.write(f"[Brellik]\nRuntime path={folder}/home/\nPhone address=127.0.0.1\n"
                      "Phone port=0\n")


def open_set_up():
    for _ in range(10):  # a loaded machine may start slowly
        click(40, 440, 1.5)   # skip the intro
        click(425, 241, 2)    # Více hráčů
        if is_green(469, 543):
            return True
    fail("the set-up screen did not open")
    return False


def join_address():
    """The address in the QR code on the screen, as a phone's camera would read it."""
    path = shot("setup_phone_panel_1920x1080")
    out = screen.run("zbarimg", "--quiet", "--raw", path).stdout.strip()
    if not out.startswith("http://127.0.0.1:") or "/?t=" not in out:
        fail(f"the code on the screen reads {out!r}")
    return out


def take_row(phone, switch_point):
    click(*switch_point, 1.5)   # the row on: its empty name field waits
    phone.tap_buzzer()          # the phone's name fills it and its buzzer becomes the key
    time.sleep(1.8)             # the keyboard closes a second after the choice


def play(ada, bob):
    # Question 1: Ada claims and answers right.
    ada.wait_for("Mačkej")
    ada.shot("claims")
    ada.tap_buzzer()
    ada.wait_for("Odpovídáš ty")
    ada.shot("answer")
    bob.wait_for("Odpovídá Ada")
    bob.shot("other")
    ada.tap_answer(right=True)
    ada.wait_for("Správně")
    bob.wait_for("Ada: správně, +")  # the others hear whose answer it was, not a verdict of theirs
    bob.shot("heard")
    ada.shot("right")
    if not ada.text("standing").endswith("1. místo"):
        fail(f"Ada's standing after a right answer: {ada.text('standing')!r}")

    # Question 2: Ada answers wrong, then Bob claims and answers right.
    ada.wait_for("Poslouchej")
    ada.shot("question")
    ada.wait_for("Mačkej")
    ada.tap_buzzer()
    ada.wait_for("Odpovídáš ty")
    ada.tap_answer(right=False)
    ada.wait_for("Špatně")
    ada.shot("wrong")
    bob.wait_for("Mačkej")
    ada.wait_for("nesmíš")
    ada.shot("lockedout")
    bob.tap_buzzer()
    bob.wait_for("Odpovídáš ty")
    bob.tap_answer(right=True)
    bob.wait_for("Správně")
    bob.shot("right")

    # Question 3: nobody claims; the claim clock runs out and the next question comes.
    bob.wait_for("Mačkej")
    ada.wait_for("Mačkej")
    bob.shot("unclaimed")
    bob.wait_for("Čas vypršel", seconds=30)
    bob.shot("timeup")
    bob.seen.clear()
    bob.wait_for("Poslouchej", seconds=30)
    if any("Odpovídá" in phase or "právně" in phase for phase in bob.seen):
        fail(f"an unclaimed question was answered: {bob.seen}")


def check_final_place(phone):
    """The place stays, big, and an ended game is never shown as a lost connection."""
    time.sleep(3)
    place = phone.text("place")
    if not re.fullmatch(r"[12]\. místo z 2", place) or phone.text("phase") != "Konec hry":
        fail(f"{phone.name}: the final place reads {place!r} under {phone.text('phase')!r}")
    if phone.driver.find_element(By.ID, "offline").is_displayed():
        fail(f"{phone.name}: the ended game shows a lost connection")


def check_roster():
    """Both phones are written down, so that they find their rows in the next game."""
    path = os.path.join(folder, "home", "System", "phones.txt")
    lines = open(path).read().split("\n") if os.path.exists(path) else []
    if [line.split(" ")[0] for line in lines if line] != ["1", "2"]:
        fail(f"phones.txt holds {lines}")


def check_scores():
    path = os.path.join(folder, "home", "System", "mp2.sco")
    data = open(path, "rb").read()
    rows = {}
    for i in range(10):
        name = data[64 * i:64 * i + 28].split(b"\0")[0].decode("cp1250")
        points, answered, wrong, right = struct.unpack_from("<4i", data, 64 * i + 28)
        if points != -100:
            rows[name] = (points, answered, wrong, right)
    print("mp2.sco:", rows)
    if set(rows) != {"Ada", "Bob"}:
        fail(f"mp2.sco holds {rows}")
        return
    if rows["Ada"][2:] != (1, 1) or rows["Ada"][0] <= 0:
        fail(f"Ada in mp2.sco: {rows['Ada']}")
    if rows["Bob"][2:] != (0, 1) or rows["Bob"][0] <= 0:
        fail(f"Bob in mp2.sco: {rows['Bob']}")


def main():
    os.makedirs(folder, exist_ok=True)
    make_game()
    global screen
    screen = Screen(WIDTH, HEIGHT, folder)
    log = open(os.path.join(folder, "game.log"), "w")
    game = screen.start_game(os.path.join(folder, "game"), os.path.join(folder, "home"), log)
    phones = []
    try:
        time.sleep(3)
        if not open_set_up():
            return
        click(695, 23, 2)  # Telefony: the server starts and the panel opens
        url = join_address()
        if not url.startswith("http://127.0.0.1:"):
            return
        click(695, 23, 1)  # the panel hides: the rows are reachable
        ada, bob = Phone("ada"), Phone("bob")
        phones = [ada, bob]
        for phone, name in ((ada, "Ada"), (bob, "Bob")):
            phone.driver.get(url)
            phone.shot("join")
            phone.driver.find_element(By.ID, "name").send_keys(name)
            phone.driver.find_element(By.ID, "join-button").click()
            phone.wait_for("Na obrazovce hry")  # joined, no row yet
        ada.shot("no_row")
        click(695, 23, 1.5)
        shot("setup_panel_with_phones")
        click(695, 23, 1)
        take_row(ada, (586, 180))
        take_row(bob, (608, 226))
        shot("setup_ready")
        if ada.text("who") != "Ada" or bob.text("who") != "Bob":
            fail(f"rows taken: {ada.text('who')!r}, {bob.text('who')!r}")
        ada.shot("waiting")
        click(469, 543, 2)  # Hrát
        click(695, 254, 0.5)  # Start
        play(ada, bob)
        shot("game_after_three_questions")
        screen.key("Escape", 2)
        bob.wait_for("Konec hry", seconds=10)
        bob.shot("result")
        check_final_place(bob)
        check_scores()
        check_roster()
    finally:
        for phone in phones:
            phone.quit()
        problem = screen.close_game(game, XCLOSE)
        if problem:
            fail(problem)
        screen.stop()
    if not failures:
        print("two phones played three questions; both in mp2.sco")


if __name__ == "__main__":
    main()
    sys.exit(1 if failures else 0)

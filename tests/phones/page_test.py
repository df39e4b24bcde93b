"""The phone page in headless chromium (Selenium, 390 x 844) against phone_host on 127.0.0.1:
what each phase says on two phones, the final place outliving the connection, a stopped
server noticed, a stale code, a second tab, blocked storage, the class game's phases, and the
feature check.

Usage: page_test.py <phone_host> <web folder> <output folder>. Every wait is bounded and every
host stops by itself. Saves a screenshot of each phase in the output folder. Prints
"N passed, N failed" and exits non-zero on any failure.
"""
import json
import os
import signal
import subprocess
import sys
import threading
import time

from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import page_features  # noqa: E402
from phone_browser import phone_browser  # noqa: E402

HOST_PROGRAM, WEB, OUT = sys.argv[1:4]
SOURCE_WEB = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "web")
EVA = {"name": "Eva", "colour": "#f6b929"}
OTA = {"name": "Ota", "colour": "#3d9be9"}
ADA = {"name": "Ada", "colour": "#1fb5a5"}
SCORES = [dict(EVA, points=12), dict(OTA, points=7), dict(ADA, points=12)]
results = {"passed": 0, "failed": 0}


class Host:
    """A phone_host: the server alone, views published from its standard input."""

    def __init__(self, port=0, class_room=False):
        self.process = subprocess.Popen(
            [HOST_PROGRAM, "--web", WEB, "--seconds", "90", "--port", str(port),
             "--class", "1" if class_room else "0"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        words = self.process.stdout.readline().split()
        assert words and words[0] == "ready", f"host did not start: {words}"
        self.port, self.token = int(words[1]), words[2]
        self.url = f"http://127.0.0.1:{self.port}/?t={self.token}"
        self.presses = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            if line.startswith("press"):
                self.presses.append(line.strip())

    def view(self, slot, **fields):
        self.process.stdin.write(f"json {slot} {json.dumps(fields)}\n")
        self.process.stdin.flush()

    def pressed(self, seconds):
        """Whether a press reached the game's queue within `seconds`; forgets it."""
        deadline = time.monotonic() + seconds
        while not self.presses and time.monotonic() < deadline:
            time.sleep(0.05)
        return self.presses.pop(0) if self.presses else None

    def stop(self):
        if self.process.poll() is not None:
            return
        self.process.send_signal(signal.SIGCONT)
        try:
            self.process.stdin.write("quit\n")
            self.process.stdin.flush()
            self.process.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait(timeout=10)


class Phone:
    def __init__(self, label, block_storage=False):
        self.label = label
        self.driver = phone_browser()
        if block_storage:  # as a browser that refuses site data does
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": (
                "Object.defineProperty(window, 'localStorage', {get: function () {"
                " throw new DOMException('blocked', 'SecurityError'); }});")})

    def open(self, url, name=None):
        self.driver.get(url)
        if name is not None:
            self.driver.find_element(By.ID, "name").clear()
            self.driver.find_element(By.ID, "name").send_keys(name)
            self.driver.find_element(By.ID, "join-button").click()

    def text(self, element):
        found = self.driver.find_elements(By.ID, element)
        return found[0].text if found else ""

    def shown(self, element):
        found = self.driver.find_elements(By.ID, element)
        return bool(found) and found[0].is_displayed()

    def style(self, element, name):
        return self.driver.find_element(By.ID, element).value_of_css_property(name)

    def wait(self, what, seconds=5.0):
        """Waits until what(self) is true; False when the time runs out."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if what(self):
                return True
            time.sleep(0.1)
        return what(self)

    def wait_text(self, element, text, seconds=5.0):
        return self.wait(lambda p: text in p.text(element), seconds)

    def shot(self, name):
        self.driver.save_screenshot(os.path.join(OUT, f"page_{name}.png"))

    def quit(self):
        self.driver.quit()


def check(ok, what):
    results["passed" if ok else "failed"] += 1
    print(("ok   " if ok else "FAIL ") + what)
    return ok


def rgb(colour):
    value = int(colour[1:], 16)
    return f"rgba({value >> 16}, {value >> 8 & 255}, {value & 255}, 1)"


def test_feature_check():
    found = page_features.check_folder(SOURCE_WEB)
    check(not found, f"the page uses nothing old phones lack {found}")
    # The checker itself finds what it is there for.
    check(page_features.check_js("const a = b ?? c; x.replaceChildren(...y);") != [] and
          page_features.check_js("const s = localStorage.getItem('k');") != [] and
          page_features.check_js("try { localStorage.getItem('k'); } catch (e) {}") == [],
          "the checker finds new syntax and unguarded storage")
    check(page_features.check_css("a { background: color-mix(in srgb, red 4%, blue); }") != [] and
          page_features.check_css("a { background: red; background: color-mix(in srgb, red 4%, blue); }")
          == [] and page_features.check_css("a { display: flex; gap: 1rem; }") != [],
          "the checker wants fallbacks and no flex gap")
    check(page_features.check_html("<script>go()</script><p style='x'>") != [] and
          page_features.check_html('<script src="phone.js"></script>') == [],
          "the checker finds inline scripts and styles")


def test_waiting_notes_and_names(host, eva):
    """A phone without a row: why it waits, its own name in the header, renaming, names."""
    eva.open(host.url, name="   ")
    check(eva.wait_text("join-note", "jméno", 3) and eva.shown("join"),
          "a name of spaces is not taken")
    eva.open(host.url, name="Eva")
    check(eva.wait_text("phase", "Na obrazovce hry") and eva.text("who") == "Eva",
          "no row: the set-up hint, and the phone's own name in the header")
    host.view(0, phase="waiting", note="full")
    check(eva.wait_text("phase", "Hra je plná (5 hráčů)"), "every row taken: the game is full")
    eva.shot("full")
    host.view(0, phase="waiting", note="running")
    check(eva.wait_text("phase", "Hra už běží: počkej na další kolo"), "a game runs: wait")
    eva.shot("running")
    eva.driver.find_element(By.ID, "rename").click()
    eva.driver.find_element(By.ID, "name").clear()
    eva.driver.find_element(By.ID, "name").send_keys("Evička")
    eva.driver.find_element(By.ID, "join-button").click()
    check(eva.wait(lambda p: p.text("who") == "Evička", 3), "a new name shows in the header at once")


def test_answer_and_verdicts(host, eva, ota):
    """The claimer sees its countdown and verdict; the other phone sees who answered and how."""
    common = {"scores": SCORES}
    eva_row = {"player": "Eva", "colour": EVA["colour"]}
    ota_row = {"player": "Ota", "colour": OTA["colour"]}
    host.view(0, phase="answer", answers=["Praha", "Brno", "Ostrava"], seconds=5, **eva_row, **common)
    host.view(1, phase="other", claimer=EVA, **ota_row, **common)
    check(eva.wait_text("detail", "Zbývá 5 s", 3), "the claimer's countdown starts at 5 s")
    check(ota.wait_text("phase", "Odpovídá Eva") and
          ota.style("phase", "background-color") == rgb(EVA["colour"]),
          "the others see the claimer's name in the claimer's colour")
    eva.shot("answer")
    ota.shot("other")
    check(eva.wait_text("detail", "Zbývají 3 s", 3.5), "the countdown runs on the phone")

    host.view(0, phase="right", points=7, **eva_row, **common)
    host.view(1, phase="heard", claimer=EVA, verdict="right", points=7, **ota_row, **common)
    check(eva.wait_text("phase", "Správně!") and eva.wait_text("detail", "+7 bodů"),
          "the claimer: right, +7 bodů")
    check(ota.wait_text("phase", "Eva: správně, +7 bodů") and "Správně" not in ota.text("phase"),
          "the others: whose answer was right, not a verdict of their own")
    eva.shot("right")
    ota.shot("heard_right")

    host.view(0, phase="wrong", points=-5, **eva_row, **common)
    host.view(1, phase="heard", claimer=EVA, verdict="wrong", points=-5, **ota_row, **common)
    check(eva.wait_text("phase", "Špatně") and eva.wait_text("detail", "\u22125 bodů"),
          "the claimer: wrong, −5 bodů")
    check(ota.wait_text("phase", "Eva: špatně, \u22125 bodů"), "the others: whose answer was wrong")
    eva.shot("wrong")
    ota.shot("heard_wrong")

    for points, text in ((1, "+1 bod"), (3, "+3 body"), (-2, "\u22122 body"), (0, "0 bodů")):
        host.view(1, phase="heard", claimer=EVA, verdict="right", points=points, **ota_row, **common)
        check(ota.wait_text("phase", text, 3), f"Czech plural: {text}")


def test_result_outlives_the_game(host, eva, ota):
    """The final place stays, big, after the game's server goes away: no lost-connection banner."""
    host.view(0, phase="result", player="Eva", colour=EVA["colour"], place=1, scores=SCORES)
    host.view(1, phase="result", player="Ota", colour=OTA["colour"], place=3, scores=SCORES)
    check(eva.wait_text("place", "1. místo z 3") and ota.wait_text("place", "3. místo z 3"),
          "the final place, out of how many")
    host.stop()
    time.sleep(3)
    check(eva.text("place") == "1. místo z 3" and eva.text("phase") == "Konec hry" and
          not eva.shown("offline"), "an ended game is no lost connection: the place stays")
    eva.shot("result")


def test_class_phases(eva):
    """The class game's phone: no buzzer at all, the lobby's wait, a late joiner's wait, choosing,
    the locked choice, the outcome and the final place."""
    host = Host(class_room=True)
    try:
        eva.open(host.url, name="Eva")
        pupil = {"player": "Eva", "colour": EVA["colour"]}
        answers = ["Praha", "Brno", "Ostrava"]
        host.view(0, phase="waiting", **pupil)
        # A new port is a new site: the page loads and joins afresh, slowly on a loaded machine.
        lobby = eva.wait_text("phase", "Čekáme na začátek hry", seconds=20)
        check(lobby and eva.text("place") == "Eva" and not eva.shown("buzz"),
              "the class lobby: the name large, the wait for the start, no buzzer")
        eva.shot("class_lobby")
        host.view(0, phase="waiting", note="running", **pupil)
        check(eva.wait_text("phase", "od příští otázky") and not eva.shown("buzz"),
              "a late pupil waits for the next question")
        eva.shot("class_late")
        host.view(0, phase="choose", answers=answers, seconds=20, q=0, **pupil)
        check(eva.wait_text("phase", "Vyber odpověď") and eva.shown("answers") and
              not eva.shown("buzz"), "choosing: three answers, no buzzer")
        eva.shot("class_choose")
        host.view(0, phase="chosen", answers=answers, q=0, chosen=1, **pupil)
        check(eva.wait_text("phase", "Odpověď odeslána"), "the choice is locked")
        eva.shot("class_chosen")
        host.view(0, phase="outcome", verdict="right", chosen=1, points=850, total=850, place=1, of=24,
                  streak=1, **pupil)
        check(eva.wait_text("phase", "Správně!") and eva.wait_text("place", "1. místo z 24") and
              not eva.shown("buzz"), "the outcome: verdict, points and place, no buzzer")
        eva.shot("class_outcome")
        host.view(0, phase="outcome", verdict="wrong", chosen=-1, points=0, total=850, place=2, of=24,
                  **pupil)
        check(eva.wait_text("phase", "Bez odpovědi"), "no answer is not called a wrong one")
        host.view(0, phase="result", total=2400, place=3, of=24, **pupil)
        check(eva.wait_text("place", "3. místo z 24") and not eva.shown("buzz"),
              "the end: the final place of the class")
        eva.shot("class_result")
    finally:
        host.stop()


def test_stopped_server(eva):
    """A server that stops answering is noticed, and a press meanwhile is said to be lost."""
    host = Host()
    try:
        eva.open(host.url, name="Eva")  # a new port is a new site: the name is asked again
        eva.wait_text("phase", "Na obrazovce hry")  # joined: a view before that is not kept
        host.view(0, phase="claims", player="Eva", colour=EVA["colour"], scores=SCORES)
        check(eva.wait_text("phase", "Mačkej"), "the claim clock runs")
        host.process.send_signal(signal.SIGSTOP)
        stopped = time.monotonic()
        noticed = eva.wait(lambda p: p.shown("offline"), 15)
        check(noticed, f"a stopped server is noticed within 15 s "
              f"({time.monotonic() - stopped:.1f} s)")
        check(eva.style("buzz", "background-color") == "rgba(55, 71, 79, 1)", "the buzzer greys")
        eva.driver.find_element(By.ID, "buzz").click()
        check(eva.shown("press-note"), "a press while offline is said not to be sent")
        eva.shot("offline")
        host.process.send_signal(signal.SIGCONT)
        check(eva.wait(lambda p: not p.shown("offline"), 20), "the page comes back by itself")
        check(host.pressed(1) is None, "the press that was not sent did not arrive late")
        eva.driver.find_element(By.ID, "buzz").click()
        check(host.pressed(5) is not None, "a press after coming back arrives")
    finally:
        host.process.send_signal(signal.SIGCONT)
        host.stop()


def test_new_code(eva):
    """The game started again (a new token on the same port): scan the new code, no retrying."""
    old = Host()
    port = old.port
    eva.open(old.url, name="Eva")
    check(eva.wait_text("phase", "Na obrazovce hry"), "joined the first room")
    old.stop()
    new = Host(port)
    try:
        check(eva.wait_text("notice-text", "Hra začala znovu: naskenujte nový kód", 10),
              "a refused code says to scan the new one within 10 s")
        eva.shot("scan_again")
        check(not eva.shown("offline") and not eva.shown("play"), "and stops reconnecting")
    finally:
        new.stop()


def test_second_tab(eva):
    """Two tabs of one phone: the older one goes quiet, and can take over again."""
    host = Host()
    try:
        eva.open(host.url, name="Eva")
        first = eva.driver.current_window_handle
        check(eva.wait_text("phase", "Na obrazovce hry"), "the first tab joined")
        eva.driver.switch_to.new_window("tab")
        eva.open(host.url)
        second = eva.driver.current_window_handle
        check(eva.wait_text("phase", "Na obrazovce hry"), "the second tab joined")
        eva.driver.switch_to.window(first)
        check(eva.wait_text("notice-text", "jiné záložce", 10) and eva.shown("play-here"),
              "the older tab says it plays elsewhere")
        eva.shot("replaced")
        eva.driver.switch_to.window(second)
        time.sleep(6)
        check(not eva.shown("offline") and "Na obrazovce hry" in eva.text("phase"),
              "the newer tab keeps playing (no fight)")
        eva.driver.switch_to.window(first)
        eva.driver.find_element(By.ID, "play-here").click()
        check(eva.wait_text("phase", "Na obrazovce hry"), "play here takes the phone back")
        eva.driver.switch_to.window(second)
        check(eva.wait_text("notice-text", "jiné záložce", 10), "and the other tab goes quiet")
        eva.driver.close()
        eva.driver.switch_to.window(first)
    finally:
        host.stop()


def test_blocked_storage(host):
    phone = Phone("blocked", block_storage=True)
    try:
        phone.open(host.url, name="Bez úložiště")
        check(phone.wait_text("who", "Bez úložiště") and phone.wait_text("phase", "Na obrazovce"),
              "a browser that blocks storage still joins and plays")
    finally:
        phone.quit()


def main():
    os.makedirs(OUT, exist_ok=True)
    test_feature_check()
    eva, ota = Phone("eva"), Phone("ota")
    host = Host()
    try:
        test_waiting_notes_and_names(host, eva)
        ota.open(host.url, name="Ota")
        check(ota.wait_text("phase", "Na obrazovce hry"), "a second phone joined")
        test_answer_and_verdicts(host, eva, ota)
        test_blocked_storage(host)
        test_result_outlives_the_game(host, eva, ota)
        test_class_phases(eva)
        test_stopped_server(eva)
        test_new_code(eva)
        test_second_tab(eva)
    finally:
        host.stop()
        eva.quit()
        ota.quit()
    print(f"{results['passed']} passed, {results['failed']} failed")
    return results["failed"] == 0


if __name__ == "__main__":
    sys.exit(0 if main() else 1)

"""The real game on a screen of its own under Xvfb, for the Python end-to-end tests: Xvfb
picks a free display (other tests may run beside), points of the 800 x 600 play area are
found on the scaled screen, and clicks, keys and screenshots go through xdotool and import.
Every command has a time limit."""
import os
import subprocess
import time


class Screen:
    def __init__(self, width, height, folder):
        self.width, self.height, self.folder = width, height, folder
        self.env = dict(os.environ)
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                      f"{width}x{height}x24", "-nolisten", "tcp"],
                                     pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            self.env["DISPLAY"] = ":" + numbers.readline().strip()

    def run(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=60)

    def at(self, x, y):
        """The screen point that shows play-area point (x, y): 800 x 600 scaled to fill the
        height, centred."""
        width = self.height * 800 // 600
        return ((self.width - width) // 2 + (2 * x + 1) * width // 1600,
                (2 * y + 1) * self.height // 1200)

    def click(self, x, y, pause=1.0):
        self.click_point(*self.at(x, y), pause)

    def click_point(self, px, py, pause=1.0):
        """A click at screen pixel (px, py)."""
        self.run("xdotool", "mousemove", str(px), str(py))
        time.sleep(0.2)
        self.run("xdotool", "mousedown", "1")
        time.sleep(0.1)
        self.run("xdotool", "mouseup", "1")
        time.sleep(pause)

    def key(self, name, pause=1.0):
        self.run("xdotool", "key", name)
        time.sleep(pause)

    def shot(self, name):
        path = os.path.join(self.folder, name + ".png")
        self.run("import", "-window", "root", path)
        return path

    def pixel(self, x, y, picture=None):
        """The colour (r, g, b) at play-area point (x, y), from a fresh screenshot or `picture`."""
        path = picture or self.shot("probe")
        px, py = self.at(x, y)
        out = self.run("convert", path, "-format", f"%[fx:int(255*p{{{px},{py}}}.r)] "
                       f"%[fx:int(255*p{{{px},{py}}}.g)] %[fx:int(255*p{{{px},{py}}}.b)]",
                       "info:").stdout
        return tuple(int(v) for v in out.split())

    def start_game(self, game_folder, home, log):
        return subprocess.Popen(["./brellik"], cwd=game_folder,
                                env=dict(self.env, BRELLIK_HOME=home, SDL_VIDEODRIVER="x11"),
                                stdout=log, stderr=subprocess.STDOUT)

    def close_game(self, game, xclose):
        """Closes the game's window as a player would; what went wrong, or None."""
        windows = self.run("xdotool", "search", "--name", "^Brellik$").stdout.split()
        if windows:
            self.run(xclose, windows[0])
        try:
            if game.wait(timeout=10) != 0:
                return f"the game ended with status {game.returncode}"
        except subprocess.TimeoutExpired:
            game.kill()
            return "the game did not end"
        return None

    def stop(self):
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)

"""Sixty phones play the class game on loopback: the real game (tests/class_game_host, the
headless backend with its frame loop at the game's pace) and sixty WebSocket clients, each from
its own address (127.0.0.10 on). All sixty first load the page at once, then join; the game
starts and plays ten questions, and every phone answers each within the same 100 ms.

It reports the time from the last answer sent to each phone holding its outcome (p50, p99,
max), the game's frames that came more than a frame late (and its longest pass of input and
frame work, to tell its own delays from the machine's), the game's CPU during each question
(the whole process, server thread included, from one question's first frame to the next's),
its memory with no phone and with sixty, and the page loads. It ends with status 1 when a
phone failed to load, join or hear its outcome, not when a goal is missed.

Usage: class_bench.py <class_game_host> <game folder> <scratch home>
Every wait is bounded; nothing but 127.0.0.x is ever contacted.
"""
import asyncio
import json
import os
import random
import subprocess
import sys
import time

import websockets

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from phone_crowd_bench import HOST, load_page, percentile  # noqa: E402

PHONES = 60
QUESTIONS = 10
WINDOW = 0.1     # every answer of a question is sent within it
WAIT = 30.0      # the longest any one step may take
HOST_SECONDS = 300


class Host:
    """The game's host program and the lines it prints, read as they come."""

    def __init__(self, program, game, home):
        self.process = subprocess.Popen(
            [program, "--game", game, "--home", home, "--pupils", str(PHONES),
             "--seconds", str(HOST_SECONDS)],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.lines = asyncio.Queue()
        self.seen = []

    async def read(self):
        loop = asyncio.get_running_loop()
        while True:
            line = await loop.run_in_executor(None, self.process.stdout.readline)
            if not line:
                await self.lines.put(None)
                return
            await self.lines.put(line.split())

    async def expect(self, word):
        """The next line starting with `word`; the lines before it are kept in `seen`."""
        while True:
            words = await asyncio.wait_for(self.lines.get(), WAIT)
            if words is None:
                raise RuntimeError(f"the host ended before '{word}'")
            self.seen.append(words)
            if words and words[0] == word:
                return words

    def stop(self):
        if self.process.poll() is None:
            self.process.stdin.write("quit\n")
            self.process.stdin.flush()
        self.process.wait(timeout=20)


class Phone:
    """A protocol client that keeps its socket read and notes when each outcome came."""

    def __init__(self, number):
        self.address = f"127.0.0.{10 + number}"
        self.number = number
        self.ws = None
        self.choose = {}    # question: when its answers were offered
        self.outcome = {}   # question: when its outcome came
        self.result = None

    async def join(self, port, token):
        self.ws = await websockets.connect(
            f"ws://{HOST}:{port}/ws?t={token}", origin=f"http://{HOST}:{port}",
            open_timeout=WAIT, local_addr=(self.address, 0))
        await self.ws.send(json.dumps({"v": 1, "type": "join", "id": f"class-bench-{self.number}",
                                       "name": f"Žák {self.number + 1}"}))

    async def listen(self):
        try:
            async for text in self.ws:
                message = json.loads(text)
                phase = message.get("phase")
                if phase == "choose":
                    self.choose.setdefault(message["q"], time.monotonic())
                elif phase == "outcome" and self.choose:
                    self.outcome.setdefault(max(self.choose), time.monotonic())
                elif phase == "result":
                    self.result = message
        except websockets.WebSocketException:
            pass

    async def answer(self, question, delay):
        await asyncio.sleep(delay)
        await self.ws.send(json.dumps({"v": 1, "type": "answer", "q": question,
                                       "n": random.randint(1, 3)}))
        return time.monotonic()


async def until(condition, what):
    deadline = time.monotonic() + WAIT
    while not condition():
        if time.monotonic() > deadline:
            raise RuntimeError(f"no {what} within {WAIT:.0f} s")
        await asyncio.sleep(0.01)


async def play_question(phones, host, question):
    """Each phone's time from the last answer sent to its outcome, in ms."""
    await host.expect("open")
    await until(lambda: all(question in p.choose for p in phones), f"answers offered ({question})")
    await asyncio.sleep(0.5)
    sent = await asyncio.gather(*(p.answer(question, random.uniform(0, WINDOW * 0.9))
                                  for p in phones))
    last = max(sent)
    await until(lambda: all(question in p.outcome for p in phones), f"outcomes ({question})")
    return [(p.outcome[question] - last) * 1000 for p in phones]


def print_figures(host, pages, latencies):
    loaded = [t * 1000 for t in pages if t is not None]
    print(f"{PHONES} page loads at once: {len(loaded)} loaded, {PHONES - len(loaded)} failed; "
          f"p50 {percentile(loaded, 50):.1f} ms, p99 {percentile(loaded, 99):.1f} ms")
    print(f"last answer to every phone holding its outcome ({len(latencies)} outcomes): "
          f"p50 {percentile(latencies, 50):.1f} ms, p99 {percentile(latencies, 99):.1f} ms, "
          f"max {max(latencies):.1f} ms (goal: p99 under 100 ms)")
    frames = next(w for w in host.seen if w[0] == "frames")
    work = next(w for w in host.seen if w[0] == "work")
    print(f"frames: {frames[1]}, late by more than a frame: {frames[2]}, longest gap "
          f"{frames[3]} ms (goal: none late); the game's longest pass of input and frame "
          f"{work[1]} ms")
    shares = [100 * int(w[2]) / max(1, int(w[3])) for w in host.seen if w[0] == "cpu"]
    print(f"CPU during a question with {PHONES} phones (% of a core, {len(shares)} questions): "
          f"median {percentile(shares, 50):.1f} %, max {max(shares):.1f} % (goal: under 10 %)")
    memory = [(int(w[1]), int(w[2])) for w in host.seen if w[0] == "memory"]
    none, seated, end = memory[0], memory[1], memory[-1]
    print(f"memory: {none[0] / 1024:.1f} MB with no phone, {seated[0] / 1024:.1f} MB with "
          f"{PHONES} seated, {end[0] / 1024:.1f} MB at the end (peak {end[1] / 1024:.1f} MB): "
          f"{(max(end[1], seated[0]) - none[0]) / 1024:.1f} MB more at most (goal: under 20 MB)")


async def main():
    program, game, home = sys.argv[1:4]
    host = Host(program, game, home)
    reader = asyncio.create_task(host.read())
    phones = [Phone(n) for n in range(PHONES)]
    listeners = []
    failed = False
    try:
        _, port, token = await host.expect("ready")
        await host.expect("memory")
        pages = await asyncio.gather(*(load_page(int(port), token, p.address) for p in phones))
        await asyncio.gather(*(p.join(int(port), token) for p in phones))
        listeners = [asyncio.create_task(p.listen()) for p in phones]
        await host.expect("memory")
        latencies = []
        for question in range(QUESTIONS):
            latencies += await play_question(phones, host, question)
        await until(lambda: all(p.result for p in phones), "final results")
        await host.expect("stopped")
        failed = any(t is None for t in pages)
        print_figures(host, pages, latencies)
    except (RuntimeError, OSError, asyncio.TimeoutError, websockets.WebSocketException) as error:
        print("FAILED:", error)
        failed = True
    finally:
        for phone in phones:
            if phone.ws:
                await phone.ws.close()
        await asyncio.gather(*listeners, return_exceptions=True)
        host.stop()
        await asyncio.wait_for(reader, WAIT)
    return failed


if __name__ == "__main__":
    sys.exit(1 if asyncio.run(main()) else 0)

"""Phones under load: 16 phones buzzing and answering in the real buzzer game from 127.0.0.10
on while 200 hostile connections (no token, a foreign origin, slowloris, garbage, floods, idle
sockets, a byte a second, keep-alive page requests every 4.5 s, guests with the token
reconnecting in a loop, ping-frame floods) come and go from 127.0.0.2 to 127.0.0.9, for the
given minutes. Checks that every legitimate press reached the game, that
the frame loop kept its pace and that memory stayed flat; prints the figures.

Usage: phone_soak.py <phone_game_host> <game folder> <scratch home> <minutes>
"""
import asyncio
import json
import random
import shutil
import subprocess
import sys
import time

import websockets

HOST = "127.0.0.1"
PHONES = 16
HOSTILE = 200


class Phone:
    def __init__(self, index):
        self.index = index
        self.slot = None
        self.sent = 0        # buzz and answer messages the game must have seen
        self.refused = 0     # answers the server refused (never posted)
        self.reconnects = 0  # tries to connect that failed (the door full of strangers)
        self.drops = 0       # joined connections that were closed under the phone


async def run_phone(phone, url, origin, stop_at):
    rng = random.Random(phone.index)
    while time.monotonic() < stop_at:
        joined = False
        try:
            # Each phone from its own address, as on a network.
            async with websockets.connect(url, origin=origin, open_timeout=10,
                                          local_addr=(f"127.0.0.{10 + phone.index}", 0)) as ws:
                await ws.send(json.dumps({"v": 1, "type": "join", "id": f"soak-phone-{phone.index:04d}",
                                          "name": f"Telefon {phone.index + 1}"}))
                last_ping = time.monotonic()
                while time.monotonic() < stop_at:
                    try:
                        text = await asyncio.wait_for(ws.recv(), 1.0)
                    except asyncio.TimeoutError:
                        text = None
                    if text:
                        message = json.loads(text)
                        if message["type"] == "welcome":
                            phone.slot = message["slot"]
                            joined = True
                        elif message["type"] == "refused":
                            phone.refused += 1
                        elif message["type"] == "state":
                            if message["phase"] == "claims" and rng.random() < 0.7:
                                await asyncio.sleep(rng.random() * 0.3)
                                await ws.send('{"v":1,"type":"buzz"}')
                                phone.sent += 1
                            elif message["phase"] == "answer":
                                await asyncio.sleep(rng.random() * 1.5)
                                await ws.send(json.dumps({"v": 1, "type": "answer",
                                                          "n": rng.randint(1, 3)}))
                                phone.sent += 1
                    if time.monotonic() - last_ping > 5:
                        last_ping = time.monotonic()
                        await ws.send(json.dumps({"v": 1, "type": "ping", "t": last_ping, "rtt": 1}))
                        if rng.random() < 0.3:  # a press at any time, as fidgeting players do
                            await ws.send('{"v":1,"type":"buzz"}')
                            phone.sent += 1
        except (OSError, websockets.WebSocketException, asyncio.TimeoutError):
            if joined:
                phone.drops += 1
            else:
                phone.reconnects += 1
            await asyncio.sleep(0.5)


async def raw(data, address, hold=0.0):
    reader, writer = await asyncio.wait_for(
        asyncio.open_connection(HOST, PORT, local_addr=(address, 0)), 5)
    try:
        writer.write(data)
        await writer.drain()
        if hold:
            await asyncio.sleep(hold)
        await asyncio.wait_for(reader.read(4096), 8)
    finally:
        writer.close()


async def linger(address, kind, seconds):
    """Holds a connection: silent, a byte a second of a request, or a page request every
    4.5 s, until the server lets it go or the time is up."""
    reader, writer = await asyncio.wait_for(
        asyncio.open_connection(HOST, PORT, local_addr=(address, 0)), 5)
    try:
        if kind == "trickle":
            writer.write(f"GET / HTTP/1.1\r\nHost: {HOST}:{PORT}\r\nX-A: ".encode())
        stop_at = time.monotonic() + seconds
        while time.monotonic() < stop_at:
            if kind == "keepalive":
                writer.write(f"GET / HTTP/1.1\r\nHost: {HOST}:{PORT}\r\n\r\n".encode())
            elif kind == "trickle":
                writer.write(b"a")
            try:
                if await asyncio.wait_for(reader.read(65536),
                                          4.5 if kind == "keepalive" else 1.0) == b"":
                    return
            except asyncio.TimeoutError:
                pass
    finally:
        writer.close()


async def guest_loop(index, address, stop_at):
    """A guest who has the token, reconnecting in a loop and pressing at once each time."""
    for _ in range(10):
        if time.monotonic() >= stop_at:
            return
        try:
            async with websockets.connect(URL, origin=ORIGIN, open_timeout=5,
                                          local_addr=(address, 0)) as ws:
                await ws.send(json.dumps({"v": 1, "type": "join",
                                          "id": f"soak-guest-{index:04d}"}))
                for _ in range(20):
                    await ws.send('{"v":1,"type":"buzz"}')
        except websockets.ConnectionClosed:
            pass  # the room is full of phones: turned away


async def hostile(index, stop_at, counts):
    rng = random.Random(1000 + index)
    address = f"127.0.0.{2 + index % 8}"
    kinds = ["no_token", "foreign_origin", "slowloris", "garbage", "flood", "binary", "bad_path",
             "idle", "trickle", "keepalive", "guest_loop", "ping_flood"]
    while time.monotonic() < stop_at:
        kind = rng.choice(kinds)
        try:
            if kind == "no_token":
                await raw(f"GET /ws HTTP/1.1\r\nHost: {HOST}:{PORT}\r\nUpgrade: websocket\r\n"
                          "Connection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                          "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n".encode(), address)
            elif kind == "foreign_origin":
                async with websockets.connect(URL, origin="http://other.test", open_timeout=5,
                                              local_addr=(address, 0)):
                    pass
            elif kind == "slowloris":
                await raw(b"GET / HTTP/1.1\r\nHost: x\r\nX-A: ", address, hold=rng.random() * 3)
            elif kind == "garbage":
                await raw(bytes(rng.getrandbits(8) for _ in range(rng.randint(1, 3000))), address)
            elif kind == "bad_path":
                await raw(b"GET /../../etc/passwd HTTP/1.1\r\nHost: x\r\n\r\n", address)
            elif kind in ("idle", "trickle", "keepalive"):
                await linger(address, kind, min(rng.random() * 10, stop_at - time.monotonic()))
            elif kind == "guest_loop":
                await guest_loop(index, address, stop_at)
            elif kind == "ping_flood":
                async with websockets.connect(URL, origin=ORIGIN, open_timeout=5,
                                              local_addr=(address, 0)) as ws:
                    for i in range(400):
                        pong = await ws.ping()
                        pong.add_done_callback(lambda f: f.cancelled() or f.exception())
            else:
                async with websockets.connect(URL, origin=ORIGIN, open_timeout=5,
                                              local_addr=(address, 0)) as ws:
                    for i in range(300):
                        await ws.send(b"\x00\x01" if kind == "binary" else '{"v":1,"type":"ping","t":1}')
        except (OSError, websockets.WebSocketException, asyncio.TimeoutError, EOFError):
            pass
        counts[kind] = counts.get(kind, 0) + 1
        await asyncio.sleep(rng.random() * 0.5)


async def main():
    global PORT, URL, ORIGIN
    program, game, home, minutes = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4])
    shutil.rmtree(home, ignore_errors=True)
    seconds = minutes * 60
    host = subprocess.Popen([program, "--game", game, "--home", home, "--players", "5",
                             "--ids", "soak-phone-", "--seconds", str(int(seconds) + 60)],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    words = host.stdout.readline().split()
    assert words and words[0] == "ready", words
    PORT, token = int(words[1]), words[2]
    URL, ORIGIN = f"ws://{HOST}:{PORT}/ws?t={token}", f"http://{HOST}:{PORT}"
    lines = []
    loop = asyncio.get_running_loop()

    async def read_host():
        while True:
            line = await loop.run_in_executor(None, host.stdout.readline)
            if not line:
                return
            lines.append(line.split())

    reader = asyncio.ensure_future(read_host())
    stop_at = time.monotonic() + seconds
    phones = [Phone(i) for i in range(PHONES)]
    counts = {}
    tasks = [asyncio.ensure_future(run_phone(p, URL, ORIGIN, stop_at)) for p in phones]
    # The phones in before the crowd: a guest may take a slot no phone holds (and its presses
    # would be counted for the phone that gets the slot later), never one a phone holds.
    for _ in range(100):
        if all(p.slot is not None for p in phones):
            break
        await asyncio.sleep(0.1)
    # The strangers leave before the phones do: a guest may take a slot a phone left, and its
    # presses would be counted for that phone.
    tasks += [asyncio.ensure_future(hostile(i, stop_at - 10, counts)) for i in range(HOSTILE)]
    await asyncio.gather(*tasks)
    await asyncio.sleep(2)  # the last presses through the queue
    host.stdin.write("quit\n")
    host.stdin.flush()
    host.wait(timeout=30)
    await asyncio.wait_for(reader, 10)

    presses = {int(w[1]): int(w[2]) for w in lines if w and w[0] == "presses"}
    frames = next((w for w in lines if w and w[0] == "frames"), None)
    rss = [int(w[1]) for w in lines if w and w[0] == "rss"]
    failures = []
    lost = 0
    for phone in phones:
        expected = phone.sent - phone.refused
        got = presses.get(phone.slot, -1)
        if got != expected:
            lost += 1
            failures.append(f"phone {phone.index} (slot {phone.slot}): sent {expected}, game saw {got}")
    print(f"minutes {minutes}; legitimate presses {sum(p.sent - p.refused for p in phones)}, "
          f"refused answers {sum(p.refused for p in phones)}, "
          f"failed connection tries {sum(p.reconnects for p in phones)}, "
          f"joined phones dropped {sum(p.drops for p in phones)}")
    print("hostile connections:", sum(counts.values()), dict(sorted(counts.items())))
    if frames:
        print(f"frames {frames[1]}, late by over a frame {frames[2]}, longest gap {frames[3]} ms")
        if int(frames[2]) > int(frames[1]) // 100:
            failures.append("over 1% of frames late")
    else:
        failures.append("the host said nothing about its frames")
    if len(rss) >= 4:
        settled, last = rss[len(rss) // 4], rss[-1]
        print(f"resident memory: first {rss[0]} kB, after a quarter {settled} kB, last {last} kB")
        if last > settled * 1.2 + 2048:
            failures.append("memory grew")
    if any(p.drops for p in phones):
        failures.append("a joined phone was dropped")
    for failure in failures:
        print("FAILED:", failure)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


sys.exit(asyncio.run(main()))

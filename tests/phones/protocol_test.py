"""The phone server's protocol and defences, with a real WebSocket client, on 127.0.0.1 only.

Usage: protocol_test.py <phone_host> <web folder>. Every wait is bounded; the host stops by
itself. Prints "N passed, N failed" at the end and exits non-zero on any failure.
"""
import asyncio
import json
import socket
import subprocess
import sys
import time
import urllib.error
import urllib.request

import websockets

HOST = "127.0.0.1"
WAIT = 5.0


class Host:
    """The phone_host process: the server, and what reached the game's queue."""

    def __init__(self, program, web, *extra):
        self.process = subprocess.Popen(
            [program, "--web", web, "--seconds", "120", *extra],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        words = self.process.stdout.readline().split()
        assert words and words[0] == "ready", f"host did not start: {words}"
        self.port, self.token = int(words[1]), words[2]
        self.lines = []

    def url(self, token=None):
        return f"ws://{HOST}:{self.port}/ws?t={self.token if token is None else token}"

    def origin(self):
        return f"http://{HOST}:{self.port}"

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    async def expect(self, prefix, timeout=WAIT):
        """The first line from the host starting with prefix, skipping others."""
        loop = asyncio.get_running_loop()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            line = await asyncio.wait_for(
                loop.run_in_executor(None, self.process.stdout.readline),
                deadline - time.monotonic())
            self.lines.append(line.strip())
            if line.startswith(prefix):
                return line.strip()
        raise AssertionError(f"no '{prefix}' from the host")

    def stop(self):
        try:
            self.send("quit")
            self.process.wait(timeout=10)
        except Exception:
            self.process.kill()


async def connect(host, token=None, origin=True):
    return await websockets.connect(
        host.url(token), origin=host.origin() if origin else None, open_timeout=WAIT,
        max_size=1 << 16)


async def receive(ws, kind, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        message = json.loads(await asyncio.wait_for(ws.recv(), deadline - time.monotonic()))
        if message["type"] == kind:
            return message


async def join(host, phone_id, name="Eva"):
    ws = await connect(host)
    await ws.send(json.dumps({"v": 1, "type": "join", "id": phone_id, "name": name}))
    welcome = await receive(ws, "welcome")
    return ws, welcome


async def closed(ws, timeout=WAIT):
    """True when the server closes the connection within the time."""
    try:
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            await asyncio.wait_for(ws.recv(), deadline - time.monotonic())
    except websockets.ConnectionClosed:
        return True
    except asyncio.TimeoutError:
        return False
    return False


async def refused_upgrade(host, **kwargs):
    try:
        ws = await connect(host, **kwargs)
    except websockets.InvalidStatusCode as error:
        return error.status_code
    await ws.close()
    return 101


# ---- The cases --------------------------------------------------------------------------------

async def join_buzz_and_answer(host):
    ws, welcome = await join(host, "phone-aaaa-0001", "Žofie Příliš Dlouhé Jméno Hráčky")
    assert welcome["slot"] == 0, welcome
    # Cut to the game's 27-byte field in Windows-1250, where each letter is one byte.
    assert welcome["name"] == "Žofie Příliš Dlouhé Jméno H", welcome
    state = await receive(ws, "state")
    assert state["phase"] == "waiting" and state["v"] == 1
    await ws.send(json.dumps({"v": 1, "type": "buzz"}))
    assert await host.expect("press") == "press 0 0"
    # Not this phone's turn: refused, nothing reaches the game.
    await ws.send(json.dumps({"v": 1, "type": "answer", "n": 2}))
    refused = await receive(ws, "refused")
    assert refused["what"] == "answer"
    host.send("view 0 answer Praha Brno Ostrava")
    state = await receive(ws, "state")
    assert state["phase"] == "answer" and state["answers"] == ["Praha", "Brno", "Ostrava"]
    await ws.send(json.dumps({"v": 1, "type": "answer", "n": 2}))
    assert await host.expect("press") == "press 0 2"
    await ws.send(json.dumps({"v": 1, "type": "ping", "t": 12.5, "rtt": 7}))
    assert (await receive(ws, "pong"))["t"] == 12.5
    await host.expect("log Phones: phone 1 round trip 7 ms")
    await ws.close()


async def reconnect_keeps_the_slot(host):
    first, welcome = await join(host, "phone-bbbb-0002")
    other, other_welcome = await join(host, "phone-cccc-0003")
    assert welcome["slot"] != other_welcome["slot"]
    host.send(f"view {welcome['slot']} claims")
    await receive(first, "state")
    # The same phone again, its old socket still open: the slot and its view come back, and
    # the old socket is let go.
    again, again_welcome = await join(host, "phone-bbbb-0002")
    assert again_welcome["slot"] == welcome["slot"]
    assert (await receive(again, "state"))["phase"] == "claims"
    assert await closed(first)
    await again.send(json.dumps({"v": 1, "type": "buzz"}))
    assert await host.expect("press") == f"press {welcome['slot']} 0"
    for ws in (again, other):
        await ws.close()


async def token_and_origin_are_required(host):
    assert await refused_upgrade(host, token="0" * 32) == 403
    assert await refused_upgrade(host, token="") == 403
    assert await refused_upgrade(host, origin=False) == 403
    # Another site's page with the right token: refused by its Origin.
    request = (f"GET /ws?t={host.token} HTTP/1.1\r\nHost: {HOST}:{host.port}\r\n"
               "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
               "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nOrigin: http://other.test\r\n\r\n")
    assert raw_exchange(host, request.encode()).startswith(b"HTTP/1.1 403")


def raw_exchange(host, data, timeout=WAIT):
    with socket.create_connection((HOST, host.port), timeout=timeout) as s:
        s.sendall(data)
        chunks = []
        try:
            while True:
                chunk = s.recv(4096)
                if not chunk:
                    break
                chunks.append(chunk)
        except (socket.timeout, ConnectionResetError):
            pass
        return b"".join(chunks)


async def only_the_page_files_are_served(host):
    base = f"http://{HOST}:{host.port}"
    page = urllib.request.urlopen(base + "/", timeout=WAIT).read()
    assert b"phone.js" in page
    for path in ("/../../etc/passwd", "/web/index.html", "/%2e%2e/Data/otazky4.crp",
                 "/phone.js/../index.html"):
        try:
            urllib.request.urlopen(base + path, timeout=WAIT)
            raise AssertionError(f"{path} was served")
        except urllib.error.HTTPError as error:
            assert error.code == 404, (path, error.code)
    # Headers over the limit: refused without a file.
    huge = b"GET / HTTP/1.1\r\nHost: x\r\nX-Pad: " + b"a" * 8000 + b"\r\n\r\n"
    assert not raw_exchange(host, huge).startswith(b"HTTP/1.1 200")


async def bad_messages_close_only_their_connection(host):
    good, welcome = await join(host, "phone-dddd-0004")
    for bad in ("{not json", json.dumps([1, 2]), json.dumps({"v": 2, "type": "buzz"}),
                json.dumps({"v": 1, "type": "answer", "n": 9}), b"\x00\x01binary",
                json.dumps({"v": 1, "type": "join", "id": "x" * 2000})):
        ws = await connect(host)
        await ws.send(bad)
        assert await closed(ws), bad
    # A buzz before joining is refused the same way.
    ws = await connect(host)
    await ws.send(json.dumps({"v": 1, "type": "buzz"}))
    assert await closed(ws)
    # The joined phone never noticed.
    await good.send(json.dumps({"v": 1, "type": "buzz"}))
    assert await host.expect("press") == f"press {welcome['slot']} 0"
    await good.close()


async def flood_is_cut_off(host):
    ws, welcome = await join(host, "phone-eeee-0005")
    bystander, bystander_welcome = await join(host, "phone-ffff-0006")
    try:
        for i in range(200):
            await ws.send(json.dumps({"v": 1, "type": "ping", "t": i}))
    except websockets.ConnectionClosed:
        pass
    assert await closed(ws)
    await bystander.send(json.dumps({"v": 1, "type": "buzz"}))
    assert await host.expect("press") == f"press {bystander_welcome['slot']} 0"
    await bystander.close()


async def connection_caps(host):
    # Sockets that have not joined: a few may wait; more are turned away at once.
    waiting = [await connect(host) for _ in range(8)]
    try:
        extra = await connect(host)
    except (websockets.InvalidHandshake, OSError, asyncio.TimeoutError, EOFError):
        extra = None
    assert extra is None or await closed(extra, 2.0)
    for ws in waiting:
        await ws.close()
    await asyncio.sleep(0.3)
    # Sixteen phones fit; the seventeenth new one is refused while all sixteen are here.
    phones = []
    for i in range(16):
        ws, _ = await join(host, f"phone-cap-{i:05d}")
        phones.append(ws)
    ws = await connect(host)
    await ws.send(json.dumps({"v": 1, "type": "join", "id": "phone-cap-99999"}))
    assert (await receive(ws, "refused"))["why"] == "room full"
    assert await closed(ws)
    for ws in phones:
        await ws.close()


async def unjoined_and_idle_connections_time_out(host):
    # Hosts here run with a 1 s request time and a 2 s idle time.
    ws = await connect(host)
    assert await closed(ws, 4.0)
    phone, _ = await join(host, "phone-idle-0007")
    assert await closed(phone, 5.0)
    # Slowloris: half a request, never finished.
    start = time.monotonic()
    raw_exchange(host, b"GET / HTTP/1.1\r\nHost: x\r\n", timeout=6.0)
    assert time.monotonic() - start < 5.0


CASES = [join_buzz_and_answer, reconnect_keeps_the_slot, token_and_origin_are_required,
         only_the_page_files_are_served, bad_messages_close_only_their_connection,
         flood_is_cut_off, connection_caps]
SHORT_TIMEOUT_CASES = [unjoined_and_idle_connections_time_out]


async def run(cases, program, web, *extra):
    passed = failed = 0
    for case in cases:
        host = Host(program, web, *extra)
        try:
            await asyncio.wait_for(case(host), 60)
            passed += 1
            print(f"ok {case.__name__}")
        except Exception as error:  # noqa: BLE001 - every failure is reported
            failed += 1
            print(f"FAILED {case.__name__}: {type(error).__name__}: {error}")
            print("  host said:", host.lines[-10:])
        finally:
            host.stop()
    return passed, failed


def main():
    program, web = sys.argv[1], sys.argv[2]
    only = sys.argv[3:]
    pick = lambda cases: [c for c in cases if not only or c.__name__ in only]
    p1, f1 = asyncio.run(run(pick(CASES), program, web))
    p2, f2 = asyncio.run(run(pick(SHORT_TIMEOUT_CASES), program, web,
                             "--request-ms", "1000", "--idle-ms", "2000"))
    print(f"{p1 + p2} passed, {f1 + f2} failed")
    sys.exit(1 if f1 + f2 else 0)


main()

"""The phone server's protocol and defences, with a real WebSocket client, on loopback only:
phones come from 127.0.0.1 (and 127.0.0.10 on, one address each, as phones on a network do), a
stranger from 127.0.0.2.

Usage: protocol_test.py <phone_host> <web folder>. Every wait is bounded; the host stops by
itself. Prints "N passed, N failed" at the end and exits non-zero on any failure.
"""
import asyncio
import json
import queue
import socket
import subprocess
import sys
import threading
import time
import urllib.error
import urllib.request

import websockets

from stranger import stranger

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
        self.web = web
        self.lines = []   # what expect has looked at
        self.output = []  # every line after "ready"
        self.queue = queue.Queue()
        self.reader = threading.Thread(target=self.read, daemon=True)
        self.reader.start()

    def read(self):
        for line in self.process.stdout:
            self.output.append(line.strip())
            self.queue.put(line)

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
            try:
                line = await loop.run_in_executor(
                    None, lambda: self.queue.get(timeout=max(0.01, deadline - time.monotonic())))
            except queue.Empty:
                break
            self.lines.append(line.strip())
            if line.startswith(prefix):
                return line.strip()
        raise AssertionError(f"no '{prefix}' from the host")

    def stop(self):
        if self.process.poll() is None:
            try:
                self.send("quit")
                self.process.wait(timeout=10)
            except Exception:  # noqa: BLE001 - a stuck host is killed
                self.process.kill()
        self.reader.join(timeout=5)


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
    await ws.send(json.dumps({"v": 1, "type": "ping", "t": 12.5, "rtt": 777}))
    assert (await receive(ws, "pong"))["t"] == 12.5
    await host.expect("log Phones: phone 1 round trip")
    # The server's own pings measure the round trip; the page's figure is not taken over it.
    await asyncio.sleep(0.5)
    host.send("status 0")
    words = (await host.expect("status 0")).split()
    assert words[2] == "1" and 0 <= int(words[3]) < 777, words
    await ws.close()


async def reconnect_keeps_the_slot(host):
    first, welcome = await join(host, "phone-bbbb-0002")
    other, other_welcome = await join(host, "phone-cccc-0003")
    assert welcome["slot"] != other_welcome["slot"]
    host.send(f"view {welcome['slot']} claims")
    while (await receive(first, "state"))["phase"] != "claims":
        pass  # the state sent on joining
    # The same phone again, its old socket still open (a second tab): the slot and its view
    # come back, and the old socket is told so and closed normally.
    again, again_welcome = await join(host, "phone-bbbb-0002")
    assert again_welcome["slot"] == welcome["slot"], (again_welcome, welcome)
    state = await receive(again, "state")
    assert state["phase"] == "claims", state
    refused = await receive(first, "refused")
    assert refused == {"v": 1, "type": "refused", "what": "join", "why": "replaced"}, refused
    assert await closed(first) and first.close_code == 1000, first.close_code
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
    # One address at its limit of waiting connections: its oldest gives way, not the newcomer.
    idle = []
    for _ in range(12):
        idle.append(await asyncio.open_connection(HOST, host.port, local_addr=("127.0.0.3", 0)))
    status, _, _ = await http_get(host, "/", "127.0.0.3")
    assert status == 200, status
    assert await asyncio.wait_for(idle[0][0].read(), WAIT) == b""
    for _, writer in idle:
        writer.close()
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


async def rows_keep_their_slots(host):
    first, welcome = await join(host, "phone-rows-0001")
    assert welcome["slot"] == 0
    await first.close()
    # Slot 0 is a row's key now: a new phone never gets it, its own phone does.
    host.send("rows 0 1")
    await host.expect("rows set")
    other, other_welcome = await join(host, "phone-rows-0002")
    assert other_welcome["slot"] == 2, other_welcome
    back, back_welcome = await join(host, "phone-rows-0001")
    assert back_welcome["slot"] == 0, back_welcome
    for ws in (other, back):
        await ws.close()


# ---- Browsers and a stranger ------------------------------------------------------------------

async def read_response(reader, method="GET"):
    """Status, headers (lower-case names) and body of one HTTP response."""
    head = await asyncio.wait_for(reader.readuntil(b"\r\n\r\n"), WAIT)
    lines = head.decode("latin-1").split("\r\n")
    headers = {}
    for line in lines[1:]:
        if ":" in line:
            name, value = line.split(":", 1)
            headers[name.strip().lower()] = value.strip()
    length = int(headers.get("content-length", "0"))
    body = b""
    if length and method != "HEAD":
        body = await asyncio.wait_for(reader.readexactly(length), WAIT)
    return int(lines[0].split()[1]), headers, body


def request(host, path, method="GET", host_header=None):
    name = host_header or f"{HOST}:{host.port}"
    return f"{method} {path} HTTP/1.1\r\nHost: {name}\r\nConnection: keep-alive\r\n\r\n".encode()


async def http_get(host, path, address=HOST, method="GET", host_header=None):
    reader, writer = await asyncio.open_connection(HOST, host.port, local_addr=(address, 0))
    try:
        writer.write(request(host, path, method, host_header))
        return await read_response(reader, method)
    finally:
        writer.close()


async def browser(host, address, files):
    """A phone's browser: the page, its two files on two keep-alive connections, then the
    socket and the join. The seconds it took; the page connections stay open, as they do."""
    start = time.monotonic()
    first = await asyncio.open_connection(HOST, host.port, local_addr=(address, 0))
    second = await asyncio.open_connection(HOST, host.port, local_addr=(address, 0))
    first[1].write(request(host, f"/?t={host.token}"))
    status, _, page = await read_response(first[0])
    assert status == 200 and page == files["index.html"], status
    first[1].write(request(host, "/phone.js"))
    second[1].write(request(host, "/phone.css"))
    for (reader, _), name in ((first, "phone.js"), (second, "phone.css")):
        status, _, body = await read_response(reader)
        assert status == 200 and body == files[name], (name, status)
    ws = await websockets.connect(host.url(), origin=host.origin(), open_timeout=WAIT,
                                  local_addr=(address, 0))
    await ws.send(json.dumps({"v": 1, "type": "join", "id": "phone-crowd-" + address.replace(".", "-")}))
    await receive(ws, "welcome")
    return time.monotonic() - start, ws, (first[1], second[1])


async def crowd_joins_past_a_stranger(host):
    files = {name: open(f"{host.web}/{name}", "rb").read()
             for name in ("index.html", "phone.js", "phone.css")}
    stop = asyncio.Event()
    holders = await stranger(host.port, stop)
    try:
        await asyncio.sleep(1.0)  # the stranger's sockets in first
        results = await asyncio.gather(*(browser(host, f"127.0.0.{10 + i}", files)
                                         for i in range(16)))
        slowest = max(seconds for seconds, _, _ in results)
        assert slowest < 2.0, f"the slowest phone took {slowest:.2f} s"
        # A joined phone is never let go for the stranger.
        await asyncio.sleep(1.0)
        for _, ws, _ in results:
            await ws.send(json.dumps({"v": 1, "type": "buzz"}))
        for _ in results:
            await host.expect("press")
    finally:
        stop.set()
        await asyncio.gather(*holders, return_exceptions=True)
    for _, ws, writers in results:
        await ws.close()
        for writer in writers:
            writer.close()


async def presses_are_budgeted_by_phone(host):
    ws, welcome = await join(host, "phone-mash-0001")
    # A thumb mashing the buzzer 30 times a second for 3 s: the extra presses are dropped,
    # the phone stays.
    for _ in range(90):
        await ws.send('{"v":1,"type":"buzz"}')
        await asyncio.sleep(1 / 30)
    await ws.send(json.dumps({"v": 1, "type": "ping", "t": 1}))
    await receive(ws, "pong")
    presses = await count_presses(host)
    assert 40 <= presses <= 65, presses
    # Reconnecting does not bring a fresh burst: the budget is the phone's (80 presses would
    # pass with a burst per connection).
    start = time.monotonic()
    for _ in range(4):
        await ws.close()
        ws, _ = await join(host, "phone-mash-0001")
        for _ in range(20):
            await ws.send('{"v":1,"type":"buzz"}')
    await ws.send(json.dumps({"v": 1, "type": "ping", "t": 1}))
    await receive(ws, "pong")
    refilled = 10 * (time.monotonic() - start)
    presses = await count_presses(host)
    assert presses <= 20 + refilled and presses < 60, (presses, refilled)
    # WebSocket ping frames are messages too: a flood of them closes the connection.
    try:
        for _ in range(400):
            pong = await ws.ping()
            pong.add_done_callback(lambda f: f.cancelled() or f.exception())
    except websockets.ConnectionClosed:
        pass
    assert await closed(ws)


async def count_presses(host, quiet=0.5):
    """Presses the host reports until it is quiet for a while."""
    count = 0
    while True:
        try:
            await host.expect("press", quiet)
            count += 1
        except AssertionError:
            return count


async def http_answers_and_headers(host):
    # The page carries the token: a policy without inline script, no referrer, no caching.
    status, headers, page = await http_get(host, f"/?t={host.token}")
    policy = headers["content-security-policy"]
    assert "script-src 'self'" in policy and f"ws://{HOST}:{host.port}" in policy, policy
    assert "unsafe-inline" not in policy
    assert headers["referrer-policy"] == "no-referrer" and headers["cache-control"] == "no-store"
    status, head_headers, body = await http_get(host, "/", method="HEAD")
    assert status == 200 and body == b"" and head_headers["content-length"] == str(len(page))
    status, headers, _ = await http_get(host, "/phone.js")
    assert status == 200 and headers["cache-control"] == "no-store"
    # Is the page's token still the room's?
    status, headers, body = await http_get(host, f"/room?t={host.token}")
    assert status == 204 and body == b"" and headers["cache-control"] == "no-store"
    assert (await http_get(host, "/room?t=" + "0" * 32))[0] == 403
    # Only this computer's own addresses with the server's port (DNS rebinding).
    for bad in ("evil.test", f"evil.test:{host.port}", f"{HOST}:{host.port + 1}", "",
                f"[::1]:{host.port + 1}"):
        assert (await http_get(host, "/", host_header=bad or " "))[0] == 421, bad
    assert (await http_get(host, "/", host_header=f"[::1]:{host.port}"))[0] == 200
    # Broken requests are answered before the connection closes.
    assert raw_exchange(host, b"NOT HTTP AT ALL\r\n\r\n").startswith(b"HTTP/1.1 400")
    huge = f"GET / HTTP/1.1\r\nHost: {HOST}:{host.port}\r\nX-Pad: ".encode() + b"a" * 8000
    assert raw_exchange(host, huge + b"\r\n\r\n").startswith(b"HTTP/1.1 431")


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
         flood_is_cut_off, connection_caps, rows_keep_their_slots, crowd_joins_past_a_stranger,
         presses_are_budgeted_by_phone, http_answers_and_headers]
SHORT_TIMEOUT_CASES = [unjoined_and_idle_connections_time_out]


async def run(cases, program, web, *extra):
    passed = failed = 0
    for case in cases:
        host = Host(program, web, *extra)
        try:
            await asyncio.wait_for(case(host), 60)
            host.stop()
            leaked = [line for line in host.output
                      if line.startswith("log") and host.token in line]
            assert not leaked, f"the token in the host's output: {leaked}"
            passed += 1
            print(f"ok {case.__name__}")
        except Exception as error:  # noqa: BLE001 - every failure is reported
            failed += 1
            print(f"FAILED {case.__name__}: {type(error).__name__}: {error}")
            print("  host said:", host.lines[-10:])
        finally:
            host.stop()
    return passed, failed


def listening_addresses(program, web):
    """A stale Phone address= is told apart from a taken port; IPv6 join addresses are
    bracketed."""
    run = subprocess.run([program, "--web", web, "--seconds", "5", "--address", "192.0.2.1"],
                         stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=30)
    expected = "log Phones: 192.0.2.1 is not an address of this computer (Phone address=)"
    assert run.returncode == 1 and expected in run.stdout, run.stdout
    host = Host(program, web, "--address", "::1")
    try:
        host.stop()
        assert f"join http://[::1]:{host.port}/?t={host.token}" in host.output, host.output
    finally:
        host.stop()


def main():
    program, web = sys.argv[1], sys.argv[2]
    only = sys.argv[3:]
    pick = lambda cases: [c for c in cases if not only or c.__name__ in only]
    p1, f1 = asyncio.run(run(pick(CASES), program, web))
    p2, f2 = asyncio.run(run(pick(SHORT_TIMEOUT_CASES), program, web,
                             "--request-ms", "1000", "--idle-ms", "2000"))
    p3 = f3 = 0
    if not only or "listening_addresses" in only:
        try:
            listening_addresses(program, web)
            p3 = 1
            print("ok listening_addresses")
        except Exception as error:  # noqa: BLE001 - every failure is reported
            f3 = 1
            print(f"FAILED listening_addresses: {type(error).__name__}: {error}")
    print(f"{p1 + p2 + p3} passed, {f1 + f2 + f3} failed")
    sys.exit(1 if f1 + f2 + f3 else 0)


main()

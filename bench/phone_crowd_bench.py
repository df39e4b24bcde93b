"""A crowd of phones opening the page at once, as browsers do, on loopback: p50/p99 of the time
from the first request to the page loaded and to the join answered, and the failures.

Each phone has its own address (127.0.0.10 on): GET / on one keep-alive connection, then
phone.js and phone.css on two in parallel, then the WebSocket and its join. With 16 phones all
join; with 60 the room's 16 slots fill and the rest are told "room full", which counts as an
answer. Each round starts a fresh server (tests/phone_host); with --stranger, 127.0.0.2 holds
8 half-sent requests, 100 idle sockets and 4 keep-alive connections throughout.

Usage: phone_crowd_bench.py <phone_host> <web folder> [rounds] [--stranger]
"""
import asyncio
import json
import os
import subprocess
import sys
import time

import websockets

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "phones"))
from stranger import stranger  # noqa: E402

HOST = "127.0.0.1"
WAIT = 10.0


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(p / 100 * (len(ordered) - 1))))]


def request(port, path):
    return (f"GET {path} HTTP/1.1\r\nHost: {HOST}:{port}\r\nConnection: keep-alive\r\n\r\n"
            .encode())


async def response(reader):
    head = await asyncio.wait_for(reader.readuntil(b"\r\n\r\n"), WAIT)
    length = 0
    for line in head.decode("latin-1").split("\r\n"):
        if line.lower().startswith("content-length:"):
            length = int(line.split(":", 1)[1])
    await asyncio.wait_for(reader.readexactly(length), WAIT)
    return int(head.split()[1])


async def load_page(port, token, address):
    """Seconds to the page with its script and style, as a browser loads them; None on a
    failure. GET / on one keep-alive connection, then phone.js and phone.css on two."""
    start = time.monotonic()
    writers = []
    try:
        connections = [await asyncio.open_connection(HOST, port, local_addr=(address, 0))
                       for _ in range(2)]
        writers = [writer for _, writer in connections]
        writers[0].write(request(port, f"/?t={token}"))
        if await response(connections[0][0]) != 200:
            return None
        writers[0].write(request(port, "/phone.js"))
        writers[1].write(request(port, "/phone.css"))
        statuses = await asyncio.gather(*(response(reader) for reader, _ in connections))
        return time.monotonic() - start if statuses == [200, 200] else None
    except (OSError, asyncio.TimeoutError, asyncio.IncompleteReadError):
        return None
    finally:
        for writer in writers:
            writer.close()


async def phone(port, token, address):
    """(seconds to the page, seconds to the join's answer), or None on a failure."""
    start = time.monotonic()
    page = await load_page(port, token, address)
    if page is None:
        return None
    try:
        async with websockets.connect(f"ws://{HOST}:{port}/ws?t={token}",
                                      origin=f"http://{HOST}:{port}", open_timeout=WAIT,
                                      local_addr=(address, 0)) as ws:
            await ws.send(json.dumps({"v": 1, "type": "join",
                                      "id": "bench-" + address.replace(".", "-")}))
            while True:
                message = json.loads(await asyncio.wait_for(ws.recv(), WAIT))
                if message["type"] in ("welcome", "refused"):
                    return page, time.monotonic() - start
    except (OSError, asyncio.TimeoutError, websockets.WebSocketException):
        return None


async def round_of(program, web, phones, with_stranger):
    host = subprocess.Popen([program, "--web", web, "--seconds", "60"],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    words = host.stdout.readline().split()
    port, token = int(words[1]), words[2]
    stop = asyncio.Event()
    holders = await stranger(port, stop) if with_stranger else []
    if holders:
        await asyncio.sleep(1.0)
    try:
        return await asyncio.gather(*(phone(port, token, f"127.0.0.{10 + i}")
                                      for i in range(phones)))
    finally:
        stop.set()
        await asyncio.gather(*holders, return_exceptions=True)
        host.stdin.write("quit\n")
        host.stdin.flush()
        host.wait(timeout=20)


async def main():
    program, web = sys.argv[1], sys.argv[2]
    rounds = int(next((a for a in sys.argv[3:] if a.isdigit()), "5"))
    with_stranger = "--stranger" in sys.argv
    for phones in (16, 60):
        results = []
        for _ in range(rounds):
            results += await round_of(program, web, phones, with_stranger)
        done = [r for r in results if r]
        pages = [r[0] * 1000 for r in done]
        joins = [r[1] * 1000 for r in done]
        print(f"{phones} phones at once x {rounds} rounds{' with a stranger' if with_stranger else ''}: "
              f"page p50 {percentile(pages, 50):.1f} ms p99 {percentile(pages, 99):.1f} ms; "
              f"join p50 {percentile(joins, 50):.1f} ms p99 {percentile(joins, 99):.1f} ms "
              f"max {max(joins):.1f} ms; failures {len(results) - len(done)}"
              if done else f"{phones} phones: every one failed")


if __name__ == "__main__":
    asyncio.run(main())

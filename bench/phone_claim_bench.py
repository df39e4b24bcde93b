"""From a phone's "buzz" to the game recognising the claim, on loopback: p50 and p99.

Runs the whole buzzer game with phones (tests/phone_game_host --fast, listening on 127.0.0.1
only) and two WebSocket clients. Whenever a phone may claim, it sends "buzz" and notes the
monotonic clock; the host prints the same clock the moment the game's input handler made the
claim. The claimant then answers so the game moves on. Stops after N claims or a time limit.

Usage: phone_claim_bench.py <phone_game_host> <game folder> <scratch home> [claims] [seconds]
"""
import asyncio
import json
import shutil
import subprocess
import sys
import time

import websockets


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(p / 100 * (len(ordered) - 1))))]


async def main():
    program, game, home = sys.argv[1:4]
    wanted = int(sys.argv[4]) if len(sys.argv) > 4 else 1000
    limit = float(sys.argv[5]) if len(sys.argv) > 5 else 1200
    shutil.rmtree(home, ignore_errors=True)
    host = subprocess.Popen([program, "--game", game, "--home", home, "--fast",
                             "--ids", "bench-phone-", "--seconds", str(int(limit) + 30)],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    words = host.stdout.readline().split()
    assert words and words[0] == "ready", words
    port, token = int(words[1]), words[2]
    url, origin = f"ws://127.0.0.1:{port}/ws?t={token}", f"http://127.0.0.1:{port}"
    loop = asyncio.get_running_loop()
    events = asyncio.Queue()
    recent = []

    async def host_lines():
        while True:
            line = await loop.run_in_executor(None, host.stdout.readline)
            if not line:
                return
            recent.append(("host", line.strip()))
            if line.startswith("claimed"):
                await events.put(("claimed", int(line.split()[2])))

    async def phone(index, ws):
        async for text in ws:
            message = json.loads(text)
            if message["type"] == "state":
                await events.put(("state", index, message["phase"]))

    phones = []
    for index in range(2):
        ws = await websockets.connect(url, origin=origin)
        await ws.send(json.dumps({"v": 1, "type": "join", "id": f"bench-phone-{index:04d}"}))
        phones.append(ws)
    tasks = [asyncio.ensure_future(host_lines())]
    tasks += [asyncio.ensure_future(phone(i, ws)) for i, ws in enumerate(phones)]

    latencies, sent_at, deadline = [], None, time.monotonic() + limit
    buzzer, quiet_since = None, time.monotonic()
    while len(latencies) < wanted and time.monotonic() < deadline:
        try:
            event = await asyncio.wait_for(events.get(), 0.3)
            quiet_since = time.monotonic()
        except asyncio.TimeoutError:
            if time.monotonic() - quiet_since > 10:
                print("the game stopped offering claims; last events:", recent[-12:])
                break
            # A press while the game was still busy with its last event claims nothing, as
            # on a keyboard: press again.
            if sent_at is not None:
                sent_at = time.monotonic_ns()
                await phones[buzzer].send('{"v":1,"type":"buzz"}')
            continue
        recent.append(event)
        if event[0] == "claimed":
            if sent_at is not None:
                latencies.append((event[1] - sent_at) / 1e6)
                sent_at = None
        elif event[2] == "claims" and sent_at is None:
            buzzer, sent_at = event[1], time.monotonic_ns()
            await phones[buzzer].send('{"v":1,"type":"buzz"}')
        elif event[2] == "answer":
            await phones[event[1]].send('{"v":1,"type":"answer","n":1}')
    for task in tasks:
        task.cancel()
    host.stdin.write("quit\n")
    host.stdin.flush()
    host.wait(timeout=20)
    if not latencies:
        print("no claims measured")
        return 1
    print(f"claims: {len(latencies)}  p50 {percentile(latencies, 50):.2f} ms  "
          f"p99 {percentile(latencies, 99):.2f} ms  max {max(latencies):.2f} ms")
    return 0


sys.exit(asyncio.run(main()))

"""Phones playing the real buzzer game (phone_game_host), with a real WebSocket client, on
127.0.0.1 only: buzzing before and during the claim phase, answering for yourself and (refused)
for another player, a phone that comes back, a phone without a row, and one room that lives
through the results, the table and the next set-up. Every wait is bounded.

Usage: game_protocol_test.py <phone_game_host> <game folder> <scratch home>
"""
import asyncio
import json
import shutil
import subprocess
import sys
import time

import websockets

HOST = "127.0.0.1"
WAIT = 15.0


async def receive_state(ws, phases, timeout=WAIT):
    """The first state message whose phase is one of `phases`."""
    deadline = time.monotonic() + timeout
    while True:
        message = json.loads(await asyncio.wait_for(ws.recv(), deadline - time.monotonic()))
        if message["type"] == "state" and message["phase"] in phases:
            return message


async def receive(ws, kind, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        message = json.loads(await asyncio.wait_for(ws.recv(), deadline - time.monotonic()))
        if message["type"] == kind:
            return message


async def play(port, token, host_lines, host):
    url = f"ws://{HOST}:{port}/ws?t={token}"
    origin = f"http://{HOST}:{port}"

    async def join(phone_id, name):
        ws = await websockets.connect(url, origin=origin, open_timeout=WAIT)
        await ws.send(json.dumps({"v": 1, "type": "join", "id": phone_id, "name": name}))
        return ws, await receive(ws, "welcome")

    ada, welcome = await join("game-phone-0000", "Ada")
    bob, _ = await join("game-phone-0001", "Bob")
    assert welcome["slot"] == 0
    assert (await receive(ada, "state"))["phase"] == "waiting"
    state = await receive_state(ada, ["question"])
    assert state["player"] == "Ada" and state["answers"] == [], state
    assert [s["name"] for s in state["scores"]] == ["Ada", "Bob"]

    # Too early: the answers are still being shown, so the buzz claims nothing.
    await ada.send(json.dumps({"v": 1, "type": "buzz"}))
    await receive_state(ada, ["claims"])
    await receive_state(bob, ["claims"])
    assert not any(line.startswith("claimed") for line in host_lines), host_lines

    # Now Ada claims: she answers, Bob waits, and Bob's answer buttons do nothing.
    await ada.send(json.dumps({"v": 1, "type": "buzz"}))
    mine = await receive_state(ada, ["answer"])
    assert len(mine["answers"]) == 3 and all(mine["answers"]), mine
    await receive_state(bob, ["other"])
    await bob.send(json.dumps({"v": 1, "type": "answer", "n": 1}))
    assert (await receive(bob, "refused"))["what"] == "answer"

    # Ada answers: right for both, or wrong and Bob may claim while Ada is locked out.
    await ada.send(json.dumps({"v": 1, "type": "answer", "n": 1}))
    verdict = (await receive_state(ada, ["right", "wrong"]))["phase"]
    if verdict == "wrong":
        await receive_state(ada, ["lockedout"])
        await receive_state(bob, ["claims"])
    else:
        heard = await receive_state(bob, ["heard"])
        assert heard["claimer"]["name"] == "Ada" and heard["verdict"] == "right", heard

    # Ada's phone drops and comes back: the same slot and player.
    await ada.close()
    ada, again = await join("game-phone-0000", "Ada")
    assert again["slot"] == 0
    assert (await receive(ada, "state"))["player"] == "Ada"
    # A third phone holds no row: it is told a game runs, and its buzzer claims nothing.
    guest, _ = await join("phone-guest-0003", "Host")
    waiting = await receive(guest, "state")
    assert waiting["player"] == "" and waiting["note"] == "running", waiting
    await guest.send(json.dumps({"v": 1, "type": "buzz"}))

    # The game ends: every phone gets its place, and the room stays through the results,
    # the table and the next set-up, with the same token.
    send(host, "esc")
    result = await receive_state(ada, ["result"])
    assert result["place"] in (1, 2), result
    await receive_state(bob, ["result"])
    send(host, "state 300")
    await receive_state(ada, ["waiting"])
    send(host, "state 201")
    await asyncio.sleep(1.0)
    for ws in (ada, bob, guest):
        await asyncio.wait_for(ws.ping(), WAIT)  # still connected
    again, welcome = await join("game-phone-0001", "Bob")
    assert welcome["slot"] == 1
    assert (await receive(again, "state"))["player"] == "Bob"
    for ws in (ada, bob, guest, again):
        await ws.close()


def send(process, line):
    process.stdin.write(line + "\n")
    process.stdin.flush()


async def watch(process, lines):
    loop = asyncio.get_running_loop()
    while True:
        line = await loop.run_in_executor(None, process.stdout.readline)
        if not line:
            return
        lines.append(line.strip())


async def main():
    program, game, home = sys.argv[1:4]
    shutil.rmtree(home, ignore_errors=True)
    process = subprocess.Popen([program, "--game", game, "--home", home, "--seconds", "90",
                                "--ids", "game-phone-", "--stay"],
                               stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    failed = 0
    try:
        words = process.stdout.readline().split()
        assert words and words[0] == "ready", words
        lines = []
        watcher = asyncio.ensure_future(watch(process, lines))
        await asyncio.wait_for(play(int(words[1]), words[2], lines, process), 60)
        print("ok phones_play_the_buzzer_game")
    except Exception as error:  # noqa: BLE001 - every failure is reported
        failed = 1
        print(f"FAILED phones_play_the_buzzer_game: {type(error).__name__}: {error}")
    finally:
        try:
            process.stdin.write("quit\n")
            process.stdin.flush()
            process.wait(timeout=10)
        except Exception:  # noqa: BLE001
            process.kill()
    print(f"{1 - failed} passed, {failed} failed")
    return failed


sys.exit(asyncio.run(main()))

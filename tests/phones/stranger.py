"""A stranger on the Wi-Fi, played from 127.0.0.2 for the phone server's tests and the crowd
benchmark: 8 half-sent requests a byte a second, 100 idle sockets and 4 keep-alive GETs every
4.5 s, each reopened as soon as the server lets it go, until `stop` is set. Loopback only."""
import asyncio

HOST = "127.0.0.1"
ADDRESS = "127.0.0.2"


def page_request(port):
    return (f"GET / HTTP/1.1\r\nHost: {HOST}:{port}\r\nConnection: keep-alive\r\n\r\n"
            .encode())


async def stranger(port, stop):
    """The holding tasks; they end once `stop` is set."""
    async def hold(kind):
        while not stop.is_set():
            try:
                reader, writer = await asyncio.open_connection(HOST, port,
                                                               local_addr=(ADDRESS, 0))
            except OSError:
                await asyncio.sleep(0.05)
                continue
            try:
                if kind == "half":
                    writer.write(b"GET / HTTP/1.1\r\nHost: x\r\nX-A: ")
                while not stop.is_set():
                    writer.write(page_request(port) if kind == "keepalive"
                                 else b"a" if kind == "half" else b"")
                    try:
                        if await asyncio.wait_for(reader.read(65536),
                                                  4.5 if kind == "keepalive" else 1.0) == b"":
                            break
                    except asyncio.TimeoutError:
                        pass
            except OSError:
                pass
            finally:
                writer.close()
            await asyncio.sleep(0.2)

    kinds = ["half"] * 8 + ["idle"] * 100 + ["keepalive"] * 4
    return [asyncio.ensure_future(hold(kind)) for kind in kinds]

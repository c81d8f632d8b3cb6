"""A small client of Chromium's DevTools protocol over its WebSocket, standard library only,
for the browser test: it sends commands and waits for their answers."""

import base64
import json
import os
import socket
import struct
import urllib.parse


class DevTools:
    def __init__(self, ws_url, timeout=30.0):
        url = urllib.parse.urlparse(ws_url)
        self.sock = socket.create_connection((url.hostname, url.port), timeout=timeout)
        key = base64.b64encode(os.urandom(16)).decode()
        request = (f"GET {url.path} HTTP/1.1\r\nHost: {url.hostname}:{url.port}\r\n"
                   "Upgrade: websocket\r\nConnection: Upgrade\r\n"
                   f"Sec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n\r\n")
        self.sock.sendall(request.encode())
        answer = b""
        while b"\r\n\r\n" not in answer:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise ConnectionError("DevTools closed the connection during the handshake")
            answer += chunk
        head, self.pending = answer.split(b"\r\n\r\n", 1)
        if b" 101 " not in head.split(b"\r\n", 1)[0]:
            raise ConnectionError("DevTools refused the WebSocket: " + head.decode(errors="replace"))
        self.next_id = 0
        self.events = []

    def _read(self, count):
        while len(self.pending) < count:
            chunk = self.sock.recv(65536)
            if not chunk:
                raise ConnectionError("DevTools closed the connection")
            self.pending += chunk
        data, self.pending = self.pending[:count], self.pending[count:]
        return data

    def _send_frame(self, payload):
        mask = os.urandom(4)
        head = bytearray([0x81])
        if len(payload) < 126:
            head.append(0x80 | len(payload))
        elif len(payload) < 65536:
            head.append(0x80 | 126)
            head += struct.pack(">H", len(payload))
        else:
            head.append(0x80 | 127)
            head += struct.pack(">Q", len(payload))
        masked = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        self.sock.sendall(bytes(head) + mask + masked)

    def _receive_message(self):
        message = b""
        while True:
            first, second = self._read(2)
            size = second & 0x7F
            if size == 126:
                size = struct.unpack(">H", self._read(2))[0]
            elif size == 127:
                size = struct.unpack(">Q", self._read(8))[0]
            payload = self._read(size)
            opcode = first & 0x0F
            if opcode == 0x8:
                raise ConnectionError("DevTools closed the WebSocket")
            if opcode in (0x9, 0xA):
                continue
            message += payload
            if first & 0x80:
                return json.loads(message.decode())

    def call(self, method, **params):
        self.next_id += 1
        wanted = self.next_id
        self._send_frame(json.dumps({"id": wanted, "method": method, "params": params}).encode())
        while True:
            message = self._receive_message()
            if message.get("id") == wanted:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            self.events.append(message)

    def evaluate(self, expression):
        """The value of a JavaScript expression (awaited when it is a promise)."""
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression[:80]}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def close(self):
        self.sock.close()

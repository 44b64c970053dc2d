#!/usr/bin/env python3
"""A stand-in for the public-IP page, for the end-to-end tests.

Listens on 127.0.0.1 only, at the port of the URL it is given, and answers
every request in one of a few ways (the mode), so that a test can show the
connectivity check each kind of page:

  at1245         a page with 203.0.113.5 at byte 1245, followed by more text
  short          a short page in the style of the real one, in UTF-8:
                 "当前 IP：198.51.100.7  来自于：..."
  short-empty    a short page with no address in it
  elsewhere      a long page with 192.0.2.44 near its top and text at 1245
  notfound       status 404 with a small error page (no address in it)
  redirect       status 302 to /final on the same server, which gives a page
                 with 198.51.100.23 at byte 1245
  partial        promises 4000 bytes, sends 1300 (203.0.113.77 at byte 1245)
                 and closes the connection
  big            a 10 MiB page with 203.0.113.10 at byte 1245
  zero           "IP 192.0.2.9 " then a zero byte, then a page with
                 203.0.113.5 at byte 1245
  zero-early     a 1500-byte page with a zero byte at byte 600 and
                 203.0.113.5 at byte 1245
  slow           the at1245 page, sent only once the file given with
                 --release exists (or after --delay seconds)
  refuse         binds the port but does not listen: every connection is
                 refused, and no other program can take the port meanwhile

With --mode-file, each request is answered in the mode that file names
when the request comes (the --mode until the file exists), so that one run of
the program can meet several kinds of page; refuse cannot be chosen there.

Every request's header block is appended to the --log file, followed by a
line "----". Once it listens (or, for refuse, holds the port) it writes its
process id to the --ready file. It stops on SIGTERM or SIGINT, and by itself
after --lifetime seconds in any case.
"""

import argparse
import os
import signal
import socket
import socketserver
import sys
import threading
import time
import urllib.parse

FILLER = b"network information; "


def html_page(length, placed):
    """A page of length bytes: a Chinese title, ASCII filler, the texts placed
    at 1-based byte positions (encoded in GBK), and the closing tags."""
    head = "<html><head><title>您的网络信息</title></head><body><p>".encode("gbk")
    tail = b"</p></body></html>\r\n"
    body = bytearray(head + (FILLER * (length // len(FILLER) + 1))[:length - len(head) - len(tail)] + tail)
    for position, text in placed:
        data = text.encode("gbk")
        body[position - 1:position - 1 + len(data)] = data
    return bytes(body)


AT_1245 = html_page(1500, [(1245, "203.0.113.5 来自：测试网络")])
SHORT = "当前 IP：198.51.100.7  来自于：中国 北京 测试网络\n".encode("utf-8")
SHORT_EMPTY = "<html><body>欢迎</body></html>\r\n".encode("gbk")
ELSEWHERE = html_page(2000, [(300, "IP: 192.0.2.44"), (1245, "没有地址")])
NOT_FOUND = (b"<html><head><title>404 Not Found</title></head>"
             b"<body><h1>Not Found</h1></body></html>\r\n")
FINAL = html_page(1500, [(1245, "198.51.100.23 final")])
PARTIAL = html_page(1400, [(1245, "203.0.113.77 partial")])[:1300]
ZERO = b"IP 192.0.2.9 \0" + AT_1245
ZERO_EARLY = html_page(1500, [(600, "\0"), (1245, "203.0.113.5 来自：测试网络")])


def big_page():
    return html_page(10 * 1024 * 1024, [(1245, "203.0.113.10 big")])


def response(status, body, extra_headers=(), length=None):
    reason = {200: "OK", 302: "Found", 404: "Not Found"}[status]
    lines = [f"HTTP/1.0 {status} {reason}",
             "Content-Type: text/html; charset=gb2312",
             f"Content-Length: {len(body) if length is None else length}",
             "Connection: close"]
    lines.extend(extra_headers)
    return ("\r\n".join(lines) + "\r\n\r\n").encode("ascii") + body


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        server = self.server
        self.request.settimeout(10)
        head = b""
        try:
            while b"\r\n\r\n" not in head and len(head) < 65536:
                data = self.request.recv(4096)
                if not data:
                    break
                head += data
        except OSError:
            return
        head = head.split(b"\r\n\r\n", 1)[0]
        with server.log_lock:
            with open(server.log_path, "ab") as log:
                log.write(head.replace(b"\r\n", b"\n") + b"\n----\n")
        parts = head.split(b"\r\n", 1)[0].split(b" ")
        path = parts[1].decode("latin-1") if len(parts) > 1 else "/"
        try:
            self.answer(server.current_mode(), path)
        except OSError:
            pass

    def answer(self, mode, path):
        send = self.request.sendall
        if mode == "at1245":
            send(response(200, AT_1245))
        elif mode == "short":
            send(response(200, SHORT))
        elif mode == "short-empty":
            send(response(200, SHORT_EMPTY))
        elif mode == "elsewhere":
            send(response(200, ELSEWHERE))
        elif mode == "notfound":
            send(response(404, NOT_FOUND))
        elif mode == "redirect":
            if path == "/final":
                send(response(200, FINAL))
            else:
                location = f"http://127.0.0.1:{self.server.server_address[1]}/final"
                send(response(302, b"", [f"Location: {location}"]))
        elif mode == "partial":
            send(response(200, PARTIAL, length=4000))
            # An abrupt end: no more bytes, the connection closed.
        elif mode == "big":
            send(response(200, self.server.big))
        elif mode == "zero":
            send(response(200, ZERO))
        elif mode == "zero-early":
            send(response(200, ZERO_EARLY))
        elif mode == "slow":
            self.server.wait_for_release()
            send(response(200, AT_1245))


class Server(socketserver.ThreadingTCPServer):
    allow_reuse_address = True
    daemon_threads = True

    def __init__(self, address, mode, log_path, release_path, delay, stopping, mode_path=None):
        self.mode = mode
        self.mode_path = mode_path
        self.log_path = log_path
        self.log_lock = threading.Lock()
        self.release_path = release_path
        self.delay = delay
        self.stopping = stopping
        self.big = big_page() if mode == "big" or mode_path else b""
        super().__init__(address, Handler)

    def current_mode(self):
        if self.mode_path:
            try:
                with open(self.mode_path, encoding="ascii") as mode_file:
                    return mode_file.read().strip()
            except FileNotFoundError:
                pass
        return self.mode

    def wait_for_release(self):
        deadline = time.monotonic() + self.delay
        while time.monotonic() < deadline and not self.stopping.is_set():
            if self.release_path and os.path.exists(self.release_path):
                return
            time.sleep(0.05)


def loopback_port(url):
    parts = urllib.parse.urlsplit(url)
    if parts.scheme != "http" or parts.hostname != "127.0.0.1" or not parts.port:
        sys.exit(f"http_server.py: serves only http://127.0.0.1:<port>/..., not {url}")
    return parts.port


def write_ready(path):
    temporary = path + ".tmp"
    with open(temporary, "w") as ready:
        ready.write(f"{os.getpid()}\n")
    os.replace(temporary, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--url", required=True, help="the URL the program fetches")
    parser.add_argument("--mode", required=True,
                        choices=["at1245", "short", "short-empty", "elsewhere", "notfound", "redirect",
                                 "partial", "big", "zero", "zero-early", "slow", "refuse"])
    parser.add_argument("--ready", required=True, help="file written once the server is ready")
    parser.add_argument("--log", default=os.devnull, help="file the request headers are appended to")
    parser.add_argument("--mode-file", help="answer each request in the mode this file names, when it exists")
    parser.add_argument("--release", help="slow: answer once this file exists")
    parser.add_argument("--delay", type=float, default=30, help="slow: answer after this many seconds at most")
    parser.add_argument("--lifetime", type=float, default=180, help="stop after this many seconds")
    args = parser.parse_args()
    address = ("127.0.0.1", loopback_port(args.url))

    stopping = threading.Event()
    for sig in (signal.SIGTERM, signal.SIGINT):
        signal.signal(sig, lambda *_: stopping.set())

    if args.mode == "refuse":
        holder = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        holder.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        holder.bind(address)
        write_ready(args.ready)
        stopping.wait(args.lifetime)
        holder.close()
        return

    server = Server(address, args.mode, args.log, args.release, args.delay, stopping, args.mode_file)
    serving = threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.1}, daemon=True)
    serving.start()
    write_ready(args.ready)
    stopping.wait(args.lifetime)
    server.shutdown()
    server.server_close()


if __name__ == "__main__":
    main()

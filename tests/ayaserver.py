#!/usr/bin/env python3
"""A per-aya recitation server for the download tests and benchmark.

    ayaserver.py ROOT

serves the files under ROOT on 127.0.0.1 (a free port, printed as "PORT n"
on the first line of standard output), with byte ranges, and logs every
answer to ROOT/requests.log as "PATH<TAB>RANGE<TAB>STATUS<TAB>BYTES SENT".
ROOT/faults.json, read at each request, adds faults:
    {"delay_ms": 50, "paths": {"/data/R/001003.mp3": "404", ...}}
with these faults:
    404      not found
    500x2    500 twice, then the file
    cut      the first answer stops half-way and closes; later ones serve ranges
    html     an HTML page with status 200
    stall    sends half of the file, then nothing for 5 s
    slow     sends half of the file, then waits 2 s before the rest
    loop     a redirect to itself (with a new query), every time
    huge     declares 60 MB, sends a few bytes
    endless  a body without end (no length), until the client goes
"""
import json
import os
import re
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

ROOT = os.path.abspath(sys.argv[1])
LOCK = threading.Lock()
SEEN = {}  # (faults, path) -> answers so far: new faults count afresh


def faults():
    try:
        with open(os.path.join(ROOT, "faults.json")) as f:
            text = f.read()
        return text, json.loads(text)
    except (OSError, ValueError):
        return "", {}


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    # Headers and body leave in one piece, not held back waiting for an ACK.
    disable_nagle_algorithm = True
    wbufsize = 1 << 16

    def log_message(self, *args):
        pass

    def record(self, status, sent):
        with LOCK, open(os.path.join(ROOT, "requests.log"), "a") as log:
            log.write("%s\t%s\t%d\t%d\n" % (self.path, self.headers.get("Range", "-"), status, sent))

    def answer(self, status, body, headers=(), close=False):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        if close:
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        self.wfile.write(body)
        self.record(status, len(body))

    def half_then(self, data, pause, rest):
        self.send_response(200)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(data[: len(data) // 2])
        self.wfile.flush()
        time.sleep(pause)
        if rest:
            self.wfile.write(data[len(data) // 2:])
        self.close_connection = True
        self.record(200, len(data) if rest else len(data) // 2)

    def do_GET(self):
        text, config = faults()
        time.sleep(config.get("delay_ms", 0) / 1000.0)
        with LOCK:
            count = SEEN.get((text, self.path.split("?")[0]), 0)
            SEEN[(text, self.path.split("?")[0])] = count + 1
        path = self.path.split("?")[0]
        fault = config.get("paths", {}).get(path, "")
        local = os.path.normpath(os.path.join(ROOT, path.lstrip("/")))
        if fault == "404" or not local.startswith(ROOT + os.sep) or not os.path.isfile(local):
            return self.answer(404, b"not found")
        if fault == "500x2" and count < 2:
            return self.answer(500, b"busy")
        if fault == "html":
            return self.answer(200, b"<html><body>Not here</body></html>", [("Content-Type", "text/html")])
        if fault == "loop":
            return self.answer(302, b"", [("Location", "%s?n=%d" % (path, count))])
        if fault == "huge":
            self.send_response(200)
            self.send_header("Content-Length", str(60 * 1024 * 1024))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(b"\xff\xfb" * 100)
            self.close_connection = True
            return self.record(200, 200)
        if fault == "endless":
            self.send_response(200)
            self.send_header("Connection", "close")
            self.end_headers()
            sent = 0
            try:
                while sent < 200 * 1024 * 1024:
                    self.wfile.write(b"\0" * 65536)
                    sent += 65536
            except OSError:
                pass
            self.close_connection = True
            return self.record(200, sent)
        with open(local, "rb") as f:
            data = f.read()
        wanted = re.match(r"bytes=(\d+)-$", self.headers.get("Range", ""))
        if fault == "stall":
            return self.half_then(data, 5, False)
        if fault == "slow" and not wanted:
            return self.half_then(data, 2, True)
        if fault == "cut" and count == 0:
            return self.half_then(data, 0, False)
        if wanted and int(wanted.group(1)) < len(data):
            start = int(wanted.group(1))
            return self.answer(206, data[start:], [("Content-Range", "bytes %d-%d/%d" % (start, len(data) - 1, len(data)))])
        self.answer(200, data, [("Content-Type", "audio/mpeg")])


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print("PORT %d" % server.server_address[1], flush=True)
server.serve_forever()

#!/usr/bin/env python3
"""A minimal HTTPS peer: GET /hello answers "hello over https". Proves the test CA chain.
POST /echo answers its body, after the request's X-Echo header and a newline when it has one.

    https_peer.py --host 127.0.0.1 --port 0 --control-port 0 --cert PEM --key PEM

Control (newline JSON): {"cmd":"ping"}, {"cmd":"shutdown"}.
"""
import argparse
import http.server
import json
import socketserver
import ssl
import sys
import threading


class Hello(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        body = b"hello over https" if self.path == "/hello" else b"not found"
        self.send_response(200 if self.path == "/hello" else 404)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_POST(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        echo = self.headers.get("X-Echo")
        if echo is not None:
            body = echo.encode("latin-1") + b"\n" + body
        if self.path != "/echo":
            body = b"not found"
        self.send_response(200 if self.path == "/echo" else 404)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, fmt, *args):
        sys.stderr.write("https_peer: " + fmt % args + "\n")


class Control(socketserver.StreamRequestHandler):
    def handle(self):
        for line in self.rfile:
            cmd = json.loads(line).get("cmd")
            self.wfile.write(b'{"ok":true}\n')
            if cmd == "shutdown":
                threading.Thread(target=self.server.stop_all, daemon=True).start()
                return


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--host", default="127.0.0.1")
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--control-port", type=int, default=0)
    ap.add_argument("--cert", required=True)
    ap.add_argument("--key", required=True)
    a = ap.parse_args()
    httpd = http.server.ThreadingHTTPServer((a.host, a.port), Hello)
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(a.cert, a.key)
    httpd.socket = ctx.wrap_socket(httpd.socket, server_side=True)
    ctl = socketserver.ThreadingTCPServer((a.host, a.control_port), Control)
    ctl.daemon_threads = True
    ctl.stop_all = lambda: (httpd.shutdown(), ctl.shutdown())
    threading.Thread(target=ctl.serve_forever, daemon=True).start()
    print(f"READY port={httpd.server_address[1]} control={ctl.server_address[1]}", flush=True)
    try:
        httpd.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()

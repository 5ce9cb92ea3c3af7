"""What every test peer shares: the JSON-lines control channel and the run loop.

A control connection carries one JSON object per line in and one per line out:
{"ok": true, ...} from the command's handler, or {"ok": false, "error": "..."}.
"""

import json
import logging
import signal
import socketserver
import threading

log = logging.getLogger("peer")

CONTROL_LINE_LIMIT = 64 * 1024 * 1024


class ControlServer(socketserver.ThreadingTCPServer):
    """dispatch(msg) -> dict answers one command; it raises one of `errors` to refuse it."""

    allow_reuse_address = True
    daemon_threads = True

    def __init__(self, address, dispatch, stopping, errors=()):
        self.dispatch = dispatch
        self.stopping = stopping
        self.errors = tuple(errors) + (ValueError,)
        super().__init__(address, _ControlHandler)


class _ControlHandler(socketserver.StreamRequestHandler):
    def handle(self):
        srv = self.server
        while not srv.stopping.is_set():
            line = self.rfile.readline(CONTROL_LINE_LIMIT)
            if not line:
                return
            if not line.strip():
                continue
            try:
                msg = json.loads(line)
                if not isinstance(msg, dict):
                    raise ValueError("a command must be a JSON object")
                reply = {"ok": True, **(srv.dispatch(msg) or {})}
            except srv.errors as exc:
                reply = {"ok": False, "error": str(exc)}
            except Exception as exc:  # keep the channel usable for the next command
                log.exception("control command failed")
                reply = {"ok": False, "error": "%s: %s" % (type(exc).__name__, exc)}
            self.wfile.write(json.dumps(reply, ensure_ascii=False).encode("utf-8") + b"\n")
            self.wfile.flush()


def serve_in_background(*servers):
    for srv in servers:
        threading.Thread(target=srv.serve_forever, kwargs={"poll_interval": 0.2}, daemon=True).start()


def run_until_stopped(stopping, ready_line, servers):
    """Prints the READY line, waits for SIGTERM/SIGINT or `stopping`, then closes the servers."""
    def stop(_signum, _frame):
        stopping.set()
    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    print(ready_line, flush=True)
    while not stopping.wait(0.5):
        pass
    for srv in servers:
        srv.shutdown()
    for srv in servers:
        srv.server_close()

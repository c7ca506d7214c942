#!/usr/bin/env python3
"""A small HTTP server for the update tests.

    update_server.py <root folder> [<user>:<password>]

Listens on a free port of 127.0.0.1 and prints the port on the first line of its output.
The first part of a request's path chooses how the file below <root folder> is served:

    /plain/<file>     with its length
    /nolength/<file>  without a length (the end of the body is the end of the connection)
    /slow/<file>      without a length, 64 bytes every 0.2 seconds
    /error/<file>     an HTML error page with status 500, whatever the file

With <user>:<password>, a request without those basic credentials gets a 401 page.
A missing file gets a 404 page.
"""
import base64
import http.server
import os
import socketserver
import sys
import time

ROOT = sys.argv[1]
CREDENTIALS = sys.argv[2] if len(sys.argv) > 2 else None
ERROR_PAGE = b"<html><body><h1>500 Internal Server Error</h1></body></html>\n"


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def send_page(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def authorised(self):
        if CREDENTIALS is None:
            return True
        expected = "Basic " + base64.b64encode(CREDENTIALS.encode()).decode()
        return self.headers.get("Authorization") == expected

    def do_GET(self):
        mode, _, relative = self.path.lstrip("/").partition("/")
        if not self.authorised():
            return self.send_page(401, b"<html><body>401 Unauthorized</body></html>\n")
        if mode == "error":
            return self.send_page(500, ERROR_PAGE)
        path = os.path.normpath(os.path.join(ROOT, relative))
        if not path.startswith(os.path.abspath(ROOT)) or not os.path.isfile(path):
            return self.send_page(404, b"<html><body>404 Not Found</body></html>\n")
        with open(path, "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        if mode == "plain":
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if mode == "slow":
            for start in range(0, len(body), 64):
                self.wfile.write(body[start:start + 64])
                self.wfile.flush()
                time.sleep(0.2)
        else:
            self.wfile.write(body)


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


ROOT = os.path.abspath(ROOT)
server = Server(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()

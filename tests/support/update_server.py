#!/usr/bin/env python3
"""A small HTTP server for the update tests.

    update_server.py <root folder> [<user>:<password>] [--tls]

Listens on a free port of 127.0.0.1 and prints the port on the first line of its output.
With --tls it speaks HTTPS with a certificate for 127.0.0.1 that it makes with openssl in
<root folder>/.tls/ (cert.pem is the authority a client must trust).
The first part of a request's path chooses how the file below <root folder> is served:

    /plain/<file>     with its length
    /nolength/<file>  without a length (the end of the body is the end of the connection)
    /slow/<file>      without a length, 64 bytes every 0.2 seconds
    /trickle/<file>   without a length, one byte a second
    /error/<file>     an HTML error page with status 500, whatever the file
    /loop/<file>      a redirect to the same address, again and again
    /redirect/<file>  a redirect to the text of <root folder>/.redirect followed by /<file>

With <user>:<password>, a request without those basic credentials gets a 401 page.
A missing file gets a 404 page. Every request's path is appended to
<root folder>/.requests, one a line.
"""
import base64
import http.server
import os
import socketserver
import ssl
import subprocess
import sys
import time

ROOT = os.path.abspath(sys.argv[1])
CREDENTIALS = sys.argv[2] if len(sys.argv) > 2 and sys.argv[2] != "--tls" else None
TLS = "--tls" in sys.argv[2:]
ERROR_PAGE = b"<html><body><h1>500 Internal Server Error</h1></body></html>\n"


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def send_page(self, status, body, location=None):
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        if location:
            self.send_header("Location", location)
        self.end_headers()
        self.wfile.write(body)

    def authorised(self):
        if CREDENTIALS is None:
            return True
        expected = "Basic " + base64.b64encode(CREDENTIALS.encode()).decode()
        return self.headers.get("Authorization") == expected

    def send_body(self, mode, body):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        if mode == "plain":
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        step, pause = {"slow": (64, 0.2), "trickle": (1, 1.0)}.get(mode, (len(body) or 1, 0))
        for start in range(0, len(body), step):
            self.wfile.write(body[start:start + step])
            self.wfile.flush()
            time.sleep(pause)

    def do_GET(self):
        with open(os.path.join(ROOT, ".requests"), "a") as log:
            log.write(self.path + "\n")
        mode, _, relative = self.path.lstrip("/").partition("/")
        if not self.authorised():
            return self.send_page(401, b"<html><body>401 Unauthorized</body></html>\n")
        if mode == "error":
            return self.send_page(500, ERROR_PAGE)
        if mode == "loop":
            return self.send_page(302, b"<html><body>moved</body></html>\n", self.path)
        if mode == "redirect":
            with open(os.path.join(ROOT, ".redirect")) as target:
                location = target.read().strip() + "/" + relative
            return self.send_page(302, b"<html><body>moved</body></html>\n", location)
        path = os.path.normpath(os.path.join(ROOT, relative))
        if not path.startswith(ROOT) or not os.path.isfile(path):
            return self.send_page(404, b"<html><body>404 Not Found</body></html>\n")
        with open(path, "rb") as f:
            self.send_body(mode, f.read())


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def tls_context():
    folder = os.path.join(ROOT, ".tls")
    os.makedirs(folder, exist_ok=True)
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                    "-keyout", key, "-out", cert], check=True, capture_output=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    return context


server = Server(("127.0.0.1", 0), Handler)
if TLS:
    server.socket = tls_context().wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()

#!/usr/bin/env python3
"""A real SMTP server on 127.0.0.1 for the e-mail tests.

    smtp_server.py OUTPUT-FOLDER MODE

MODE: "accept" takes every message; "refuse-login" asks for a login and refuses every
password; "reject-recipient" refuses every recipient. The server picks a free port, prints
"port N" on a line of its own once it listens, and runs until its standard input closes.
Each accepted message is written to OUTPUT-FOLDER as <n>.eml, with <n>.rcpt holding the
recipients, one a line.
"""
import pathlib
import socket
import sys
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult


class Handler:
    def __init__(self, folder, mode):
        self.folder = pathlib.Path(folder)
        self.mode = mode
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.mode == "reject-recipient":
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        (self.folder / ("%d.eml" % self.count)).write_bytes(envelope.original_content)
        (self.folder / ("%d.rcpt" % self.count)).write_text("\n".join(envelope.rcpt_tos) + "\n")
        return "250 Message accepted for delivery"


def refuse_everyone(server, session, envelope, mechanism, auth_data):
    return AuthResult(success=False, handled=False)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def main():
    # Logging in without TLS is what the test wants; the server need not warn about it.
    warnings.filterwarnings("ignore")
    folder, mode = sys.argv[1], sys.argv[2]
    login = mode == "refuse-login"
    controller = Controller(Handler(folder, mode), hostname="127.0.0.1", port=free_port(),
                            auth_required=login, auth_require_tls=False,
                            authenticator=refuse_everyone if login else None)
    controller.start()
    print("port %d" % controller.port, flush=True)
    sys.stdin.read()
    controller.stop()


if __name__ == "__main__":
    main()

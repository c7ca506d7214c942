#!/usr/bin/env python3
"""A real SMTP server on 127.0.0.1 for the e-mail tests.

    smtp_server.py OUTPUT-FOLDER MODE

MODE: "accept" takes every message and offers no login (a login is offered only with TLS,
which the server does not speak); "refuse-login" offers a login without TLS, asks for it
and refuses every password; "reject-recipient" refuses every recipient; "silent-after-data"
never answers the DATA command; "silent-after-message" takes the message but never answers
its end. The server picks a free port, prints "port N" on a line of its own once it listens,
and runs until its standard input closes. Each accepted message is written to OUTPUT-FOLDER
as <n>.eml, with <n>.rcpt holding the recipients, one a line; the sender of every MAIL
command is appended to OUTPUT-FOLDER/senders, one a line.
"""
import asyncio
import os
import pathlib
import socket
import sys
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import SMTP, AuthResult

HOUR = 3600


class Handler:
    def __init__(self, folder, mode):
        self.folder = pathlib.Path(folder)
        self.mode = mode
        self.count = 0

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        with open(self.folder / "senders", "a") as senders:
            senders.write(address + "\n")
        envelope.mail_from = address
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.mode == "reject-recipient":
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.mode == "silent-after-message":
            await asyncio.sleep(HOUR)
        self.count += 1
        (self.folder / ("%d.eml" % self.count)).write_bytes(envelope.original_content)
        (self.folder / ("%d.rcpt" % self.count)).write_text("\n".join(envelope.rcpt_tos) + "\n")
        return "250 Message accepted for delivery"


class SilentAfterData(SMTP):
    async def smtp_DATA(self, arg):
        await asyncio.sleep(HOUR)


class ModeController(Controller):
    def __init__(self, handler, mode, **kwargs):
        self.mode = mode
        super().__init__(handler, **kwargs)

    def factory(self):
        server = SilentAfterData if self.mode == "silent-after-data" else SMTP
        return server(self.handler, **self.SMTP_kwargs)


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
    controller = ModeController(Handler(folder, mode), mode, hostname="127.0.0.1",
                                port=free_port(), auth_required=login, auth_require_tls=not login,
                                authenticator=refuse_everyone if login else None)
    controller.start()
    print("port %d" % controller.port, flush=True)
    sys.stdin.read()
    # A silent mode leaves a conversation waiting for an hour; nothing needs a clean stop.
    os._exit(0)


if __name__ == "__main__":
    main()

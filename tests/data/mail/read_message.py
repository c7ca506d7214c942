#!/usr/bin/env python3
"""Reads a received message with Python's own e-mail parser, for the e-mail tests.

    read_message.py MESSAGE.eml

Prints one JSON object: the decoded "subject", "to" and "from", the decoded "body" text and
"attachments", each with its decoded file "name", its "type" and its "base64" content.
"""
import base64
import email
import email.policy
import json
import sys


def main():
    with open(sys.argv[1], "rb") as source:
        message = email.message_from_binary_file(source, policy=email.policy.default)
    body = message.get_body(preferencelist=("plain",))
    attachments = [{"name": part.get_filename(),
                    "type": part.get_content_type(),
                    "base64": base64.b64encode(part.get_payload(decode=True)).decode()}
                   for part in message.iter_attachments()]
    print(json.dumps({"subject": str(message["subject"]), "to": str(message["to"]),
                      "from": str(message["from"]),
                      "body": body.get_content() if body else None,
                      "attachments": attachments}))


if __name__ == "__main__":
    main()

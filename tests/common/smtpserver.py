"""A loopback SMTP server for the mail tests (Debian's python3-aiosmtpd).

Prints "PORT <n>" once it listens. Every accepted message goes into the output folder as <n>.eml
(the bytes as received) with <n>.json (the envelope); every QUIT adds a line to sessions.log.
The server refuses or stalls by address, so that one server serves every case:
  a sender whose local part is "refused"   -> 550 to MAIL FROM
  a recipient whose local part is "refused" -> 550 to RCPT TO
  a sender whose local part is "stall"      -> DATA is never answered
  a sender whose local part is "stallfrom"  -> MAIL FROM is never answered
  a sender whose local part is "stopread"   -> DATA is answered 354, then nothing more is read
  a recipient whose local part is "greylisted" -> 451 to RCPT TO
"""
import argparse
import asyncio
import json
import os
import sys
import threading

from aiosmtpd.smtp import SMTP


async def never():
    # Stands for a server that stops answering: it waits for nothing that ever comes, until the
    # client gives up and the connection's task is cancelled.
    await asyncio.Event().wait()


def local_part(address):
    return address.split("@", 1)[0].lower()


class Handler:
    def __init__(self, out):
        self.out = out
        self.count = 0

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if local_part(address) == "refused":
            return "550 5.7.1 Sender refused"
        if local_part(address) == "stallfrom":
            await never()
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if local_part(address) == "refused":
            return "550 5.1.1 Recipient refused"
        if local_part(address) == "greylisted":
            return "451 4.7.1 Greylisted, try again later"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if local_part(envelope.mail_from) == "stall":
            await never()
        self.count += 1
        base = os.path.join(self.out, str(self.count))
        with open(base + ".tmp", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".json", "w") as f:
            json.dump({"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos}, f)
        os.rename(base + ".tmp", base + ".eml")
        return "250 Message accepted"


class RecordingSMTP(SMTP):
    async def smtp_DATA(self, arg):
        if self.envelope.mail_from and local_part(self.envelope.mail_from) == "stopread":
            # The client may send: the socket's buffers fill, and the upload stalls.
            await self.push("354 End data with <CR><LF>.<CR><LF>")
            await never()
            return
        await super().smtp_DATA(arg)

    async def smtp_QUIT(self, arg):
        with open(os.path.join(self.event_handler.out, "sessions.log"), "a") as f:
            f.write("QUIT\n")
        await super().smtp_QUIT(arg)


def end_with_parent():
    # The test keeps our standard input open; when it ends, however it ends, so do we.
    sys.stdin.read()
    os._exit(0)


async def main():
    threading.Thread(target=end_with_parent, daemon=True).start()
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    handler = Handler(args.out)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(
        lambda: RecordingSMTP(handler, hostname="zantof-test", ident="ZanTof test server"), "127.0.0.1", 0)
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)
    await server.serve_forever()


asyncio.run(main())

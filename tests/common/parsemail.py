"""Reads one received message with Python's email package and prints what the tests compare, as JSON."""
import base64
import json
import sys
from email import message_from_bytes, policy
from email.header import decode_header, make_header

raw = open(sys.argv[1], "rb").read()
msg = message_from_bytes(raw, policy=policy.default)


def part_info(part):
    payload = part.get_payload(decode=True) or b""
    info = {
        "content_type": part.get_content_type(),
        "filename": part.get_filename() or "",
        "disposition": part.get_content_disposition() or "",
        "encoding": part.get("Content-Transfer-Encoding", ""),
        "data": base64.b64encode(payload).decode(),
        "defects": [type(d).__name__ for d in part.defects],
    }
    if part.get_content_maintype() == "text":
        info["text"] = part.get_content()
    return info


def words_name(raw_from):
    """The display name decoded by RFC 2047 alone, where blanks between two encoded-words are no text.
    (The default policy's address parser keeps such a blank, so a long name gets blanks added.)"""
    cut = raw_from.rfind("<")
    phrase = (raw_from[:cut] if cut >= 0 else raw_from).strip()
    return str(make_header(decode_header(phrase))).strip('"')


sender = msg["From"].addresses[0] if msg["From"] and msg["From"].addresses else None
out = {
    "headers": {k: str(v) for k, v in msg.items()},
    "from_name": sender.display_name if sender else "",
    "from_addr": sender.addr_spec if sender else "",
    "from_name_words": words_name(message_from_bytes(raw, policy=policy.compat32)["From"] or ""),
    "to": [a.addr_spec for a in msg["To"].addresses] if msg["To"] else [],
    "content_type": msg.get_content_type(),
    "boundary": msg.get_boundary() or "",
    "defects": [type(d).__name__ for d in msg.defects],
    "parts": [part_info(p) for p in msg.iter_parts()] if msg.is_multipart() else [part_info(msg)],
}
print(json.dumps(out))

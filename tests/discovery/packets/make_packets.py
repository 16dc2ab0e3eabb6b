#!/usr/bin/env python3
"""Writes the golden datagrams of the parser tests and their expected records.

Each case is NAME.ssdp or NAME.bcast (the datagram exactly as received) and
NAME.expect: "sender: ADDRESS", "result: accepted|dropped|wrong-length|
not-device", and for accepted ones every record field (missing ones are
expected empty). Run it from this folder after changing a case; the files
are committed, so the tests never depend on this script.
"""
import os

ST = "urn:schemas-upnp-org:device:VezoDovOdezer:1"
FIELDS = ["id", "ip", "host", "product", "extra", "firmware", "vendor", "ssid", "mac0", "mac1", "type"]


def crlf(*lines):
    return ("\r\n".join(lines) + "\r\n\r\n").encode()


def answer(location="LOCATION: http://198.18.1.20:8080/rootDesc.xml",
           server="SERVER: Linux/3.10.14 KYMO/2.1.7, UPnP/1.0, ZELVO/travelbox/R1/rev-b",
           ssidinfo="SSIDINFO: SSID/TravelNet,MAC0/00:11:22:33:44:55,MAC1/00:11:22:33:44:56",
           usn="USN: uuid:5a656c76-6f00-0011-2233-445566::" + ST,
           start="HTTP/1.1 200 OK", extra=()):
    lines = [start, "CACHE-CONTROL: max-age=1800", "EXT:"] + list(extra)
    lines += [h for h in (location, server, ssidinfo) if h is not None]
    lines += ["ST: " + ST]
    if usn is not None:
        lines.append(usn)
    return crlf(*lines)


def notify(nts="NTS: ssdp:alive", nt="NT: upnp:rootdevice", usn_tail="::upnp:rootdevice"):
    lines = ["NOTIFY * HTTP/1.1", "HOST: 239.143.255.250:1900", "CACHE-CONTROL: max-age=1800",
             "LOCATION: http://198.18.1.21:8080/rootDesc.xml",
             "SERVER: Linux/3.10.14 KYMO/2.2.0, UPnP/1.0, Queno/roamer/R2/x",
             "SSIDINFO: SSID/Cafe,MAC0/aa:bb:cc:00:00:01,MAC1/aa:bb:cc:00:00:02"]
    if nt is not None:
        lines.append(nt)
    if nts is not None:
        lines.append(nts)
    lines.append("USN: uuid:roamer-0002" + usn_tail)
    return crlf(*lines)


FULL = dict(id="5a656c76-6f00-0011-2233-445566", ip="198.18.1.20", host="travelbox", product="R1",
            extra="rev-b", firmware="2.1.7", vendor="ZELVO", ssid="TravelNet", mac0="00:11:22:33:44:55",
            mac1="00:11:22:33:44:56", type="1")
NOTIFIED = dict(id="roamer-0002", ip="198.18.1.21", host="roamer", product="R2", extra="x", firmware="2.2.0",
                vendor="Queno", ssid="Cafe", mac0="aa:bb:cc:00:00:01", mac1="aa:bb:cc:00:00:02")


def upd(base, **kw):
    d = dict(base)
    d.update(kw)
    return d


SENDER = "198.18.1.99"
ssdp_cases = {
    # A complete search answer; the address comes from LOCATION, not the sender.
    "answer_full": (answer(), FULL),
    "answer_without_location": (answer(location=None), upd(FULL, ip=SENDER)),
    "answer_location_without_port": (answer(location="LOCATION: http://198.18.1.20/rootDesc.xml"), None),
    "answer_location_without_slashes": (answer(location="LOCATION: 198.18.1.20:8080"), None),
    # Exactly two '/' in the product part: no extra text, SSIDINFO not read.
    "answer_server_two_slashes": (answer(server="SERVER: Linux/3.10.14 KYMO/2.1.7, UPnP/1.0, ZELVO/travelbox/R1"),
                                  upd(FULL, extra="", ssid="", mac0="", mac1="")),
    # One '/' only: the vendor stays, nothing else of SERVER or SSIDINFO.
    "answer_server_one_slash": (answer(server="SERVER: Linux/3.10.14 KYMO/2.1.7, UPnP/1.0, ZELVO/travelbox"),
                                upd(FULL, host="", product="", extra="", ssid="", mac0="", mac1="")),
    # No firmware token in SERVER (KYMO only elsewhere): all of SERVER and
    # SSIDINFO stay empty.
    "answer_server_without_firmware": (answer(server="SERVER: Linux/3.10.14 KYMO 2.1.7, UPnP/1.0, ZELVO/travelbox/R1/rev-b"),
                                       upd(FULL, host="", product="", extra="", firmware="", vendor="", ssid="", mac0="", mac1="")),
    # A firmware version but only one comma: firmware kept, nothing else.
    "answer_server_one_comma": (answer(server="SERVER: Linux/3.10.14 KYMO/2.1.7, UPnP/1.0 ZELVO/travelbox/R1/rev-b",
                                       ssidinfo=None),
                                upd(FULL, host="", product="", extra="", vendor="", ssid="", mac0="", mac1="")),
    # No SERVER header: SSIDINFO is still read.
    "answer_without_server": (answer(server=None, extra=["X-FIRMWARE: KYMO"]),
                              upd(FULL, host="", product="", extra="", firmware="", vendor="")),
    # SSIDINFO without its second comma: SSID and MAC0 kept.
    "answer_ssidinfo_without_mac1": (answer(ssidinfo="SSIDINFO: SSID/TravelNet,MAC0/00:11:22:33:44:55"),
                                     upd(FULL, mac0="", mac1="")),
    "answer_ssidinfo_mac0_without_comma": (answer(ssidinfo="SSIDINFO: SSID/TravelNet,MAC0/00:11:22:33:44:55 MAC1/x"),
                                           upd(FULL, mac0="", mac1="")),
    "answer_without_kymo": (answer(server="SERVER: Linux/3.10.14 UPnP/1.0, ZELVO/travelbox/R1/rev-b"), None),
    "answer_usn_without_end": (answer(usn="USN: uuid:5a656c76-6f00-0011-2233-445566"), None),
    "answer_usn_without_uuid": (answer(usn="USN: 4d696e69::" + ST), None),
    "answer_without_usn": (answer(usn=None), None),
    # "uuid::" gives an empty identifier only when a ':' follows; here none does.
    "answer_usn_empty_identifier": (answer(usn="USN: uuid::x"), None),
    # Values cut to 31 characters; the product part cut to 63 before it is split.
    "answer_long_values": (answer(location="LOCATION: http://198.18.1.20.very-long-host-name.example:80/",
                                  server="SERVER: Linux KYMO/0123456789abcdef0123456789abcdefXYZ, UPnP/1.0, "
                                         "ZELVO/" + "h" * 33 + "/product/" + "e" * 40),
                           upd(FULL, ip="198.18.1.20.very-long-host-name", firmware="0123456789abcdef0123456789abcde",
                               host="h" * 31, product="product", extra="e" * 15)),
    # Our own M-SEARCH looped back carries no firmware token.
    "own_msearch": (("M-SEARCH * HTTP/1.1\r\nHOST: 239.143.255.250:1900\r\nST: " + ST +
                     "\r\nMAN: \"ssdp:discover\"\r\nMX: 3\r\n\r\n").encode(), None),
    # Another start line with every token present.
    "search_with_tokens": (answer(start="M-SEARCH * HTTP/1.1"), None),
    # The message ends at its first zero byte.
    "answer_cut_by_zero": (answer().replace(b"USN:", b"\0USN:"), None),
    "notify_alive": (notify(), upd(NOTIFIED, type="2")),
    "notify_byebye": (notify(nts="NTS: ssdp:byebye"), upd(NOTIFIED, type="4")),
    "notify_spaces_and_tabs": (notify(nts="NTS: \t \tssdp:byebye"), upd(NOTIFIED, type="4")),
    "notify_other_nts": (notify(nts="NTS: ssdp:update"), upd(NOTIFIED, type="0")),
    "notify_without_rootdevice": (notify(nt="NT: " + ST, usn_tail="::" + ST), None),
    "notify_without_nts": (notify(nts=None), None),
}


def packet(op, type_, text, size=148):
    data = bytearray(size)
    if size > 0:
        data[0] = op
    if size > 1:
        data[1] = type_
    t = text.encode() if isinstance(text, str) else text
    data[20:20 + len(t)] = t
    return bytes(data[:size])


BOX = dict(id="1", ip=SENDER, host="box", vendor="ZELVO", product="R1", type="1")
bcast_cases = {
    "reply_basic": (packet(12, 1, "id=1&host=box&vendor=ZELVO&product=R1"), BOX),
    "reply_keys_in_other_order": (packet(12, 2, "product=R1&vendor=ZELVO&host=box&id=1"), upd(BOX, type="2")),
    "reply_147_bytes": (packet(12, 1, "id=1&host=box&vendor=ZELVO&product=R1", 147), "wrong-length"),
    "reply_149_bytes": (packet(12, 1, "id=1&host=box&vendor=ZELVO&product=R1", 149), "wrong-length"),
    "dhcp_sized": (packet(1, 1, "", 300), "wrong-length"),
    "request_echo": (packet(11, 1, "id=1&host=box&vendor=ZELVO&product=R1"), "not-device"),
    # A key found inside a longer one: "ssid=" holds "id=".
    "reply_key_inside_longer_key": (packet(12, 1, "ssid=net&host=box&vendor=ZELVO"),
                                    dict(id="net", ip=SENDER, host="box", vendor="ZELVO", type="1")),
    "reply_missing_keys": (packet(12, 1, "host=box"), dict(ip=SENDER, host="box", type="1")),
    "reply_long_value": (packet(12, 1, "id=" + "x" * 40 + "&vendor=ZELVO"),
                         dict(id="x" * 31, ip=SENDER, vendor="ZELVO", type="1")),
    # The type byte is taken as it is.
    "reply_type_byebye": (packet(12, 4, "id=1&vendor=ZELVO"), dict(id="1", ip=SENDER, vendor="ZELVO", type="4")),
    "reply_type_unknown": (packet(12, 200, "id=1"), dict(id="1", ip=SENDER, type="200")),
    # A text area without a zero runs to the end of the packet, not beyond.
    "reply_full_text_area": (packet(12, 1, "vendor=ZELVO&id=" + "7" * 112),
                             dict(id="7" * 31, ip=SENDER, vendor="ZELVO", type="1")),
    # Text behind the first zero of the area is not read.
    "reply_text_after_zero": (packet(12, 1, b"id=1\0host=box"), dict(id="1", ip=SENDER, type="1")),
    "reply_empty_text": (packet(12, 1, ""), dict(ip=SENDER, type="1")),
}


def write(name, ext, data, expect):
    with open(name + "." + ext, "wb") as f:
        f.write(data)
    with open(name + ".expect", "w") as f:
        f.write("sender: " + SENDER + "\n")
        if expect is None:
            f.write("result: dropped\n")
        elif isinstance(expect, str):
            f.write("result: " + expect + "\n")
        else:
            f.write("result: accepted\n")
            for k in FIELDS:
                f.write(k + ": " + expect.get(k, "0" if k == "type" else "") + "\n")


for n, (d, e) in ssdp_cases.items():
    write(n, "ssdp", d, e)
for n, (d, e) in bcast_cases.items():
    write(n, "bcast", d, e)

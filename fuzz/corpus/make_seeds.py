#!/usr/bin/env python3
"""Writes the hand-made seeds of fuzz/corpus/<target>/: real frames, replies,
images, lists and command lines as the units and users produce them, and the
empty input. Inputs that once crashed a target are added beside them by hand
(named crash-<what>) and never rewritten here."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))


def write(target, name, data):
    os.makedirs(os.path.join(HERE, target), exist_ok=True)
    with open(os.path.join(HERE, target, name), "wb") as f:
        f.write(data)


def crc16(data):
    crc = 0xFFFF
    for byte in data:
        crc ^= byte << 8
        for _ in range(8):
            crc = ((crc << 1) ^ 0x8005) if crc & 0x8000 else (crc << 1)
            crc &= 0xFFFF
    return crc


def vlp_frame(addr_seq, data):
    body = bytes([addr_seq, len(data)]) + bytes(data)
    crc = crc16(body)
    stuffed = (body + bytes([crc & 0xFF, crc >> 8])).replace(b"\x7f", b"\x7f\x7f")
    return b"\x7f" + stuffed


def reply(*data):
    return bytes([len(data)]) + bytes(data)


def text(s, n):
    return list(s.ljust(n).encode("latin-1")[:n])


def sensor_config(count, unit_type):
    d = [0xF0, count, 0] + [0] * 15 + list(unit_type.encode()) + [0] * (10 - len(unit_type))
    return reply(*d)


def sensor_info(name, code, kind):
    d = [0xF0] + text(name, 20) + [code, ord(kind), 120, 40, 30, 31, 0, 1, 4, 0xFE, 20, 21,
                                   41, 119, 5, 0, 0, 0, 0x10, 0x01]
    return reply(*d)


SYNC_OK = reply(0xF0)
SERIAL = reply(0xF0, 0x00, 0x12, 0x34, 0x56)
FIRMWARE_TM6 = reply(0xF0, *text("TM0006 V1.04 TM6", 16))


def identification(unit_type="TM6"):
    return (SYNC_OK + SERIAL + sensor_config(2, unit_type) + sensor_info("Entry left", 1, "E") +
            sensor_info("Stacker", 2, "Z"))


def vlp_seeds():
    t = "vlp_frames"
    write(t, "empty", b"")
    write(t, "sync-command", b"\x80" + vlp_frame(0x80, [0x11]))
    write(t, "sync-reply", b"\x80" + vlp_frame(0x80, [0xF0]))
    write(t, "stuffed-reply", b"\x00" + vlp_frame(0x00, [0xF0, 0x7F, 0x01, 0x7F]))
    write(t, "repeat-and-next", b"\x80" + vlp_frame(0x80, [0xF0]) + vlp_frame(0x80, [0xF0]) +
          b"\x01\x02" + vlp_frame(0x00, [0xF0, 0x00, 0x12, 0x34, 0x56]))
    write(t, "longest-reply", b"\x80" + vlp_frame(0x80, [0xF0] + [0x7F] * 249))
    write(t, "length-zero-and-over", b"\x80\x7f\x80\x00\x7f\x80\xfb" + vlp_frame(0x80, [0xF2]))


def command_seeds():
    t = "command_replies"
    write(t, "empty", b"")
    write(t, "identify-tm6", b"\x00" + identification())
    write(t, "identify-pq1", b"\x00" + SYNC_OK + SERIAL + sensor_config(0, "") +
          reply(0xF0, *text("PQ0001 V2.00", 16)))
    write(t, "identify-bad-sensor-info", b"\x00" + SYNC_OK + SERIAL + sensor_config(3, "RX5") +
          sensor_info("Entry", 1, "E") + reply(0xF2))
    write(t, "motors", b"\x01" + SYNC_OK + reply(0xF0, 2) +
          reply(0xF0, *text("Transport", 20), 1, 2) + reply(0xF0, *text("Stacker", 20), 3, 4))
    write(t, "firmware", b"\x02" + SYNC_OK + FIRMWARE_TM6)
    write(t, "dataset", b"\x03" + SYNC_OK + reply(0xF0, *text("DS000104", 8)))
    write(t, "no-sync", b"\x02" + reply(0xF1))
    status = reply(0xF0, 4, 30, 40, 5, 31, 41)
    write(t, "initialise", b"\x04" + SYNC_OK + reply(0xF0, 0x08) + identification() +
          SYNC_OK + FIRMWARE_TM6 + SYNC_OK + reply(0xF0) + reply(0xF0) +
          reply(0xF0, 1, 20, 20, 3, 21, 21) + reply(0xF6) + status + reply(0xF0, 0xD0) + status)
    write(t, "initialise-no-eeprom", b"\x04" + SYNC_OK + reply(0xF0, 0xFF) + identification() +
          SYNC_OK + FIRMWARE_TM6 + SYNC_OK + reply(0xF5))


def xor(data):
    check = 0
    for byte in data:
        check ^= byte
    return check


def utility_packet(code, data):
    return bytes([0x7F, len(data), code] + list(data) + [xor(data)])


def ram_utility_seeds():
    t = "ram_utility_packets"
    write(t, "empty", b"")
    write(t, "ack-and-opto", b"\x00\x80" + utility_packet(0xB9, [12, 200, 13, 190]))
    write(t, "in-pieces", b"\x03\x81" + utility_packet(0xD3, [1, 2]) +
          utility_packet(0x00, list(range(40))))
    write(t, "bad-check-then-good", b"\x00" + utility_packet(0xB9, [1])[:-1] + b"\x00" +
          utility_packet(0xB9, [1]))
    write(t, "too-long", b"\x00\x7f\xfc\x01\x02" + utility_packet(0x00, []))


def zav_image(kind, type_letter, ram, main, block_size=0, baud=0):
    header = bytearray(b"\xff" * 128)
    header[0:3] = b"ZAV"
    header[5] = kind
    header[6] = ord(type_letter)
    header[7:11] = struct.pack(">I", len(ram))
    header[16] = sum(ram + main) & 0xFF
    header[17:21] = struct.pack(">I", len(main))
    header[62:64] = struct.pack(">H", block_size)
    header[68:72] = struct.pack(">I", baud)
    return bytes(header) + ram + main


def image_seeds():
    t = "program_images"
    write(t, "crash-empty-image", b"")
    write(t, "ram-utility", zav_image(9, "b", bytes(range(256)) * 4, b""))
    write(t, "ram-and-main", zav_image(3, "a", bytes(64), bytes(range(256)) * 20, 1024, 115200))
    write(t, "header-only", zav_image(3, "a", b"", b""))
    write(t, "claims-more", zav_image(3, "a", bytes(16), bytes(16))[:140])
    old = bytearray(b"\x00\x00ZAV\x01\x02\x00" + bytes(120)) + bytes(range(256))
    write(t, "old-format", bytes(old))
    old[5] = ord("d")
    write(t, "old-format-protected", bytes(old))
    write(t, "not-an-image", b"MZ\x90\x00" + bytes(200))


def barcode_seeds():
    t = "barcode"
    write(t, "empty", b"")
    write(t, "crash-all-spikes", b"\x00\x01\x0a")
    write(t, "crash-spike-at-end", b"\xff\x00\xff")
    row = [10, 10, 10, 10, 30, 10, 10, 30, 10, 10, 10, 10, 30, 30, 30, 10, 10]
    write(t, "digits-12", bytes([0] + row))
    write(t, "digits-12-backwards", bytes([0] + row[::-1]))
    write(t, "no-stop", bytes([0] + row[:-3]))


def cct(*frame):
    return bytes(frame) + bytes([(-sum(frame)) & 0xFF])


def serial_seeds():
    t = "serial_packets"
    write(t, "empty", b"")
    echo = cct(2, 0, 1, 0)
    write(t, "cct-ack", b"\x00\x00\x00" + echo + cct(1, 0, 2, 0))
    write(t, "cct-data", b"\x00\xfe\x00" + echo + cct(1, 3, 2, 0, 0xAA, 0xBB, 0xCC))
    write(t, "cct-bad-checksum-retry", b"\x80\x00\x00" + echo + bytes([1, 0, 2, 0, 0]))
    write(t, "cct-long-reply", b"\x00\x00\x00" + echo + bytes([1, 0xFC]))
    write(t, "mdces", b"\x01\x10\x02\x01\x02" + cct(2, 2, 1, 0x10, 1, 2) + cct(1, 1, 2, 0, 9))
    write(t, "raw-read", b"\x02\x05\x80\x7f\x01\x02\x03")
    write(t, "raw-read-negative", b"\x02\xf6\x01\x02")


def lang_seeds():
    t = "lang_code_list"
    write(t, "empty", b"")
    with open(os.path.join(ROOT, "app", "data", "ISO-639-2_utf-8.txt"), "rb") as f:
        write(t, "real-list-de", b"de" + f.read())
    write(t, "short-lines", b"fr|\n||\n|x|fr\nfre||fr|French;fran\xc3\xa7ais\r\n|||fr|\n")
    write(t, "bad-utf8", b"en" + b"eng||en|\xff\xfeEnglish|anglais\n")
    t = "string_table"
    write(t, "empty", b"")
    with open(os.path.join(ROOT, "lang", "modules", "en", "strings.txt"), "rb") as f:
        write(t, "english-table", f.read())
    write(t, "slips", b"# comment\n\n1 \"OK\"\r\n2  \"a \"quote\"\"\n3\"x\"\n-4 \"y\"\n")
    write(t, "twice", b"7 \"one\"\n7 \"two\"\n")


def settings_seeds():
    t = "settings_values"
    write(t, "empty", b"")
    write(t, "stored", b"[Startup]\nPort=3\nCountryCode=de\nCountryCodeOption=2\n")
    write(t, "odd-values", b"[Startup]\nPort=99999\nCountryCode=../../etc/x\n"
          b"CountryCodeOption=-70000\n")
    write(t, "quoted-and-escaped", b"[Startup]\nPort=\"0x10\"\nCountryCode=@Invalid()\n"
          b"CountryCodeOption=@Variant(\\0\\0\\0\\x2)\n[Other]\nPort=4\n")


def port_seeds():
    t = "port_discovery"
    write(t, "empty", b"")
    write(t, "usual-machine", b"ttyS0|../../../bus/platform/drivers/serial8250|4\n"
          b"ttyS1|../../../bus/platform/drivers/serial8250|0\n"
          b"ttyUSB0|../../../../bus/usb-serial/drivers/ftdi_sio|\n"
          b"ttyUSB1|/x/cp210x|\nttyACM0|/x/cdc_acm|\ntty0|/x/vt|\n")
    write(t, "overrides", b"=100|/dev/pts/3\n=101|/dev/ttyUSB0\nttyUSB0|/x/ftdi_sio|\n=0|x\n")
    write(t, "long-link", b"ttyS5|" + b"a/" * 400 + b"|1\n")


def argument_seeds():
    t = "zavsim_arguments"
    write(t, "empty", b"")
    write(t, "model-and-faults", b"--model\0TM6\0--fault\0noreply:sync\0--fault\0"
          b"code=F2:0x30/0x61:1\0--fault\0noack=86\0--paper-delay\0" b"0.5")
    write(t, "every-option", b"--model\0RX5\0--port-number\0" b"110\0--wire-baud\0" b"9600\0"
          b"--ram-utility\0--capability\0F7\0--calibration-fails\0" b"3\0--fault\0"
          b"delay=200:firmware:2\0--fault\0junk=7F,80:any\0--fault\0pathfail=2")
    write(t, "bad-values", b"--model\0TM6\0--paper-delay\0nan\0--fault\0badcheck=x")
    t = "zavdiag_arguments"
    write(t, "empty", b"")
    write(t, "simulate", b"--simulate\0TM6\0--fault\0code=F2:0x30/0x61:1\0--fault\0"
          b"nopaper\0--paper-delay\0" b"1.5\0--json\0--csv\0out.csv")
    write(t, "port", b"--port\0" b"150")
    write(t, "clash", b"--port\0" b"3\0--simulate\0TM6\0--port\0" b"4\0stray")


for make in (vlp_seeds, command_seeds, ram_utility_seeds, image_seeds, barcode_seeds,
             serial_seeds, lang_seeds, settings_seeds, port_seeds, argument_seeds):
    make()

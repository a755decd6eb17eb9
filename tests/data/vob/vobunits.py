#!/usr/bin/env python3
"""Independent reference reader for the VOB fixtures: lists the subpicture units of one
sub-stream (pack offset of the first packet, its PTS, display size, palette indices, contrast), proposes
cut points for splitting a title VOB inside multi-packet units, and lists the packets that do not
start right after their pack header.

Reads the files as one concatenated program stream, honouring PES packet lengths and the pack
header's stuffing length. Not part of the product; used by make_fixtures.sh.
"""
import argparse
import os
import sys

PACK = 2048


def packets(paths):
    """Yields (file index, offset in file, place in the pack, pes header bytes, payload) for
    every private stream 1 packet."""
    for index, path in enumerate(paths):
        data = open(path, 'rb').read()
        if len(data) % PACK:
            sys.exit(f'{path}: size {len(data)} is not a multiple of {PACK}')
        for offset in range(0, len(data), PACK):
            pack = data[offset:offset + PACK]
            if pack[0:4] != b'\x00\x00\x01\xba':
                sys.exit(f'{path}@{offset}: no pack start code')
            pos = 14 + (pack[13] & 7)
            while pos + 6 <= PACK and pack[pos:pos + 3] == b'\x00\x00\x01':
                sid = pack[pos + 3]
                length = pack[pos + 4] << 8 | pack[pos + 5]
                body = pack[pos + 6:pos + 6 + length]
                if sid == 0xBD:
                    header_len = body[2]
                    yield index, offset, pos, body[:3 + header_len], body[3 + header_len:]
                pos += 6 + length


def pts_of(header):
    if header[1] >> 6 not in (2, 3):
        return None
    b = header[3:8]
    return (((b[0] >> 1) & 7) << 30 | b[1] << 22 | (b[2] >> 1) << 15 | b[3] << 7 | b[4] >> 1)


def first_sequence(unit):
    """Width, height, palette indices and contrast (command 0x03 and 0x04 parameters as
    16-bit values, code 0 in the low nibble) from the unit's first control sequence."""
    size = unit[0] << 8 | unit[1]
    ctrl = unit[2] << 8 | unit[3]
    i = ctrl + 4
    lengths = {0x00: 1, 0x01: 1, 0x02: 1, 0x03: 3, 0x04: 3, 0x05: 7, 0x06: 5}
    width = height = colours = contrast = 0
    while i < size and unit[i] != 0xFF:
        cmd = unit[i]
        if cmd not in lengths:
            sys.exit(f'unknown control command {cmd:#x}')
        p = unit[i + 1:i + lengths[cmd]]
        if cmd == 0x03:
            colours = p[0] << 8 | p[1]
        elif cmd == 0x04:
            contrast = p[0] << 8 | p[1]
        elif cmd == 0x05:
            x1 = p[0] << 4 | p[1] >> 4
            x2 = (p[1] & 15) << 8 | p[2]
            y1 = p[3] << 4 | p[4] >> 4
            y2 = (p[4] & 15) << 8 | p[5]
            width, height = x2 - x1 + 1, y2 - y1 + 1
        i += lengths[cmd]
    return width, height, colours, contrast


def units(paths, stream):
    """Yields dicts: file, offset, pts, width, height, packs (list of (file, offset))."""
    current = None
    for index, offset, _, header, payload in packets(paths):
        if not payload or payload[0] != 0x20 + stream:
            continue
        data = payload[1:]
        pts = pts_of(header)
        if current is None:
            if pts is None:
                sys.exit(f'unit at {paths[index]}@{offset} starts without a PTS')
            current = {'file': index, 'offset': offset, 'pts': pts, 'bytes': bytearray(),
                       'packs': []}
        elif pts is not None:
            sys.exit(f'continuation packet at {paths[index]}@{offset} carries a PTS')
        current['bytes'] += data
        current['packs'].append((index, offset))
        buf = current['bytes']
        if len(buf) >= 2 and len(buf) >= (buf[0] << 8 | buf[1]):
            (current['width'], current['height'], current['colours'],
             current['contrast']) = first_sequence(buf)
            yield current
            current = None
    if current is not None:
        sys.exit('a unit is unfinished at the end of the last file')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--stream', type=int, default=0)
    parser.add_argument('--multi-pack', action='store_true',
                        help='list the pack offsets of units carried in three or more packets')
    parser.add_argument('--moved', action='store_true',
                        help='list the packets of the sub-stream that lie elsewhere than at '
                        'byte 14 of their pack (behind a system header, another packet or '
                        'pack header stuffing)')
    parser.add_argument('files', nargs='+')
    args = parser.parse_args()
    names = [os.path.basename(p) for p in args.files]
    if args.moved:
        for index, offset, pos, header, payload in packets(args.files):
            if pos != 14 and payload and payload[0] == 0x20 + args.stream:
                kind = 'first' if pts_of(header) is not None else 'continuation'
                print(f'{names[index]} {offset} {pos} {kind}')
        return
    if args.multi_pack:
        for u in units(args.files, args.stream):
            if len(u['packs']) >= 3:
                print(' '.join(str(o) for _, o in u['packs']))
        return
    print(f'# sub-stream {0x20 + args.stream:#x}: file, start pack offset, PTS (90 kHz), '
          'width, height, palette indices, contrast (hex, pixel code 0 in the low nibble), '
          'file holding its last packet')
    for u in units(args.files, args.stream):
        print(f"{names[u['file']]} {u['offset']} {u['pts']} {u['width']} {u['height']} "
              f"{u['colours']:04x} {u['contrast']:04x} {names[u['packs'][-1][0]]}")


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Packs an ARM9 and an ARM7 binary into a bootable .nds ROM image.

The image is the 0x200-byte header, then the ARM9 binary, then the ARM7
binary, each starting on a 0x200-byte boundary. Usage:

  ndspack.py --arm9 arm9.bin --arm7 arm7.bin --title TITLE --game-code CODE -o out.nds
"""
import argparse
import os
import struct
import sys
import tempfile

HEADER_SIZE = 0x200
BLOCK = 0x200
HEADER_CRC_OFFSET = 0x15E

MAIN_RAM_START = 0x02000000
MAIN_RAM_END = 0x023FF000  # the top 4 KB hold what the boot process leaves
ARM9_LOAD = MAIN_RAM_START
ARM7_LOAD = 0x037F8000
ARM7_AREA_END = 0x0380FFC0  # the ARM7 BIOS keeps the last 0x40 bytes of its WRAM

# ROM control words as cartridges commonly carry them.
ROM_CONTROL_NORMAL = 0x00586000
ROM_CONTROL_KEY1 = 0x001808F8
SECURE_TRANSFER_DELAY = 0x051E
# The logo CRC loaders look for; the logo picture itself is not needed to boot.
LOGO_CRC = 0xCF56

SMALLEST_CHIP = 128 * 1024


class PackError(Exception):
    """Input that cannot make a valid ROM."""


def crc16(data):
    """CRC-16 with the reflected polynomial 0xA001 and initial value 0xFFFF."""
    crc = 0xFFFF
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def capacity_code(rom_size):
    """Smallest n for which a chip of 128 KB << n holds rom_size bytes."""
    code = 0
    while SMALLEST_CHIP << code < rom_size:
        code += 1
    return code


def align(value, step=BLOCK):
    return (value + step - 1) // step * step


def ascii_field(text, length, what, exact=False):
    try:
        data = text.encode("ascii")
    except UnicodeEncodeError:
        raise PackError(f"{what} must be ASCII: {text!r}") from None
    if any(b < 0x20 or b > 0x7E for b in data):
        raise PackError(f"{what} must be printable ASCII: {text!r}")
    if exact and len(data) != length:
        raise PackError(f"{what} must be exactly {length} characters: {text!r}")
    if len(data) > length:
        raise PackError(f"{what} is longer than {length} characters: {text!r}")
    return data.ljust(length, b"\0")


def check_fits(name, binary, load, limit):
    if not binary:
        raise PackError(f"the {name} binary is empty")
    if load + len(binary) > limit:
        raise PackError(f"the {name} binary ({len(binary)} bytes at 0x{load:08X}) "
                        f"does not fit below 0x{limit:08X}")


def build_rom(arm9, arm7, title, game_code, maker_code="00",
              arm9_entry=ARM9_LOAD, arm7_entry=ARM7_LOAD):
    """Returns the ROM image as bytes; raises PackError on unusable input."""
    check_fits("ARM9", arm9, ARM9_LOAD, MAIN_RAM_END)
    check_fits("ARM7", arm7, ARM7_LOAD, ARM7_AREA_END)
    if not ARM9_LOAD <= arm9_entry < ARM9_LOAD + len(arm9):
        raise PackError(f"the ARM9 entry 0x{arm9_entry:08X} is outside its binary")
    if not ARM7_LOAD <= arm7_entry < ARM7_LOAD + len(arm7):
        raise PackError(f"the ARM7 entry 0x{arm7_entry:08X} is outside its binary")

    arm9_offset = HEADER_SIZE
    arm7_offset = align(arm9_offset + len(arm9))
    used_size = arm7_offset + len(arm7)

    header = bytearray(HEADER_SIZE)
    header[0x000:0x00C] = ascii_field(title, 12, "the title")
    header[0x00C:0x010] = ascii_field(game_code, 4, "the game code", exact=True)
    header[0x010:0x012] = ascii_field(maker_code, 2, "the maker code", exact=True)
    header[0x014] = capacity_code(used_size)
    struct.pack_into("<4I", header, 0x020, arm9_offset, arm9_entry, ARM9_LOAD, len(arm9))
    struct.pack_into("<4I", header, 0x030, arm7_offset, arm7_entry, ARM7_LOAD, len(arm7))
    struct.pack_into("<2I", header, 0x060, ROM_CONTROL_NORMAL, ROM_CONTROL_KEY1)
    struct.pack_into("<H", header, 0x06E, SECURE_TRANSFER_DELAY)
    struct.pack_into("<2I", header, 0x080, used_size, HEADER_SIZE)
    struct.pack_into("<H", header, 0x15C, LOGO_CRC)
    struct.pack_into("<H", header, HEADER_CRC_OFFSET, crc16(header[:HEADER_CRC_OFFSET]))

    image = bytearray(header)
    image += arm9
    image += bytes(arm7_offset - len(image))
    image += arm7
    return bytes(image)


def write_atomically(path, data):
    """Writes data beside path, then renames it over path: a failed run never
    leaves a half-written ROM in place of a good one."""
    directory = os.path.dirname(os.path.abspath(path))
    handle, temporary = tempfile.mkstemp(prefix=".ndspack-", dir=directory)
    try:
        with os.fdopen(handle, "wb") as out:
            out.write(data)
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def address(text):
    return int(text, 0)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Packs ARM9 and ARM7 binaries into a .nds ROM.")
    parser.add_argument("--arm9", required=True, help="raw ARM9 binary, loaded at 0x02000000")
    parser.add_argument("--arm7", required=True, help="raw ARM7 binary, loaded at 0x037F8000")
    parser.add_argument("--arm9-entry", type=address, default=ARM9_LOAD)
    parser.add_argument("--arm7-entry", type=address, default=ARM7_LOAD)
    parser.add_argument("--title", required=True, help="up to 12 ASCII characters")
    parser.add_argument("--game-code", required=True, help="4 ASCII characters")
    parser.add_argument("--maker-code", default="00", help="2 ASCII characters")
    parser.add_argument("-o", "--output", required=True, help="the .nds file to write")
    args = parser.parse_args(argv)
    try:
        with open(args.arm9, "rb") as f:
            arm9 = f.read()
        with open(args.arm7, "rb") as f:
            arm7 = f.read()
        rom = build_rom(arm9, arm7, args.title, args.game_code, args.maker_code,
                        args.arm9_entry, args.arm7_entry)
        write_atomically(args.output, rom)
    except (OSError, PackError) as error:
        print(f"ndspack: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

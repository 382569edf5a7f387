"""The .nds packer: header fields, layout, checksum, and refusal of bad input."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

import ndspack

PACKER = ndspack.__file__


def binary(size, seed):
    return bytes((i * seed + 3) & 0xFF for i in range(size))


def field(rom, offset, fmt="<I"):
    return struct.unpack_from(fmt, rom, offset)[0]


class Crc16Test(unittest.TestCase):
    def test_known_check_value(self):
        # CRC-16 with polynomial 0xA001 reflected, initial 0xFFFF, of "123456789".
        self.assertEqual(ndspack.crc16(b"123456789"), 0x4B37)
        self.assertEqual(ndspack.crc16(b""), 0xFFFF)


class CapacityTest(unittest.TestCase):
    def test_smallest_chip_that_holds_the_rom(self):
        cases = [(1, 0), (128 * 1024, 0), (128 * 1024 + 1, 1), (256 * 1024, 1),
                 (3 * 1024 * 1024, 5)]
        for size, code in cases:
            with self.subTest(size=size):
                self.assertEqual(ndspack.capacity_code(size), code)


class LayoutTest(unittest.TestCase):
    def setUp(self):
        self.arm9 = binary(1001, 5)
        self.arm7 = binary(40, 9)
        self.rom = ndspack.build_rom(self.arm9, self.arm7, "LIBPANE", "PANE",
                                     arm9_entry=0x02000010)

    def test_header_fields(self):
        rom = self.rom
        self.assertEqual(rom[0x000:0x00C], b"LIBPANE\0\0\0\0\0")
        self.assertEqual(rom[0x00C:0x010], b"PANE")
        self.assertEqual(rom[0x010:0x012], b"00")
        self.assertEqual(rom[0x014], 0)
        self.assertEqual(struct.unpack_from("<4I", rom, 0x20), (0x200, 0x02000010, 0x02000000, 1001))
        self.assertEqual(struct.unpack_from("<4I", rom, 0x30), (0x600, 0x037F8000, 0x037F8000, 40))
        self.assertEqual(struct.unpack_from("<2I", rom, 0x60), (0x00586000, 0x001808F8))
        self.assertEqual(field(rom, 0x80), 0x600 + 40)
        self.assertEqual(field(rom, 0x84), 0x200)
        self.assertEqual(field(rom, 0x15C, "<H"), 0xCF56)

    def test_header_checksum_covers_the_header(self):
        self.assertEqual(field(self.rom, 0x15E, "<H"), ndspack.crc16(self.rom[:0x15E]))

    def test_binaries_follow_the_header_on_block_boundaries(self):
        self.assertEqual(self.rom[0x200:0x200 + 1001], self.arm9)
        self.assertEqual(self.rom[0x200 + 1001:0x600], bytes(0x600 - 0x200 - 1001))
        self.assertEqual(self.rom[0x600:], self.arm7)


class BadInputTest(unittest.TestCase):
    def test_refused(self):
        arm9, arm7 = binary(64, 3), binary(16, 7)
        cases = {
            "long title": dict(title="THIRTEEN CHAR"),
            "non-ASCII title": dict(title="P\u00e4NE"),
            "control character": dict(title="A\nB"),
            "short game code": dict(game_code="PAN"),
            "long game code": dict(game_code="PANES"),
            "maker code": dict(maker_code="0"),
            "empty ARM9": dict(arm9=b""),
            "empty ARM7": dict(arm7=b""),
            "ARM9 beyond main RAM": dict(arm9=bytes(0x3FF001)),
            "ARM7 beyond its WRAM": dict(arm7=bytes(0x18000)),
            "ARM9 entry outside": dict(arm9_entry=0x02000040),
            "ARM7 entry outside": dict(arm7_entry=0x037F7FFC),
        }
        for name, change in cases.items():
            args = dict(arm9=arm9, arm7=arm7, title="T", game_code="PANE")
            args.update(change)
            with self.subTest(name), self.assertRaises(ndspack.PackError):
                ndspack.build_rom(**args)


class CommandLineTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.arm9 = self.write("arm9.bin", binary(300, 11))
        self.arm7 = self.write("arm7.bin", binary(20, 13))
        self.out = os.path.join(self.dir.name, "out.nds")

    def write(self, name, data):
        path = os.path.join(self.dir.name, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def pack(self, *extra):
        return subprocess.run([sys.executable, PACKER, "--arm9", self.arm9, "--arm7", self.arm7,
                               "-o", self.out, *extra], capture_output=True, text=True)

    def test_writes_the_rom(self):
        result = self.pack("--title", "SHOWCASE", "--game-code", "PANE")
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.out, "rb") as f:
            rom = f.read()
        self.assertEqual(rom[:8], b"SHOWCASE")
        self.assertEqual(os.listdir(self.dir.name).count("out.nds"), 1)

    def test_failure_leaves_the_previous_rom_alone(self):
        good = self.write("out.nds", b"previous ROM")
        result = self.pack("--title", "SHOWCASE", "--game-code", "TOO LONG")
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("game code", result.stderr)
        with open(good, "rb") as f:
            self.assertEqual(f.read(), b"previous ROM")
        self.assertEqual(sorted(os.listdir(self.dir.name)), ["arm7.bin", "arm9.bin", "out.nds"])

    def test_missing_binary_is_reported(self):
        os.remove(self.arm7)
        result = self.pack("--title", "T", "--game-code", "PANE")
        self.assertEqual(result.returncode, 1)
        self.assertIn("ndspack:", result.stderr)
        self.assertFalse(os.path.exists(self.out))


if __name__ == "__main__":
    unittest.main()

"""Makes the broken data files of the bad-data test, with the standard library only.

  huge-png OUT W H        a valid RGBA PNG of W x H transparent pixels, streamed, so a
                          16000 x 8000 picture costs about half a megabyte and no memory
  huge-gif OUT W H        a valid GIF of W x H pixels of colour 0, LZW coded
  garbage IN OUT KEEP     IN's size, its first KEEP bytes kept, the rest pseudo-random
                          bytes seeded by IN's name, so every run breaks a file alike
"""
import os
import random
import struct
import sys
import zlib


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def huge_png(out, width, height):
    row = b"\x00" * (1 + 4 * width)  # filter type 0, then RGBA zeros
    packer = zlib.compressobj(9)
    idat = bytearray()
    for _ in range(height):
        idat += packer.compress(row)
    idat += packer.flush()
    with open(out, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        for start in range(0, len(idat), 1 << 16):
            f.write(png_chunk(b"IDAT", bytes(idat[start:start + (1 << 16)])))
        f.write(png_chunk(b"IEND", b""))


class CodeWriter:
    """Packs LZW codes least significant bit first, with the width a GIF decoder expects:
    it mirrors the decoder, which defines each entry one code after the encoder."""

    def __init__(self, min_size):
        self.min_size = min_size
        self.clear = 1 << min_size
        self.bits = 0
        self.count = 0
        self.out = bytearray()
        self.reset()

    def reset(self):
        self.width = self.min_size + 1
        self.decoder_next = self.clear + 2
        self.codes_since_clear = 0

    def emit(self, code):
        self.bits |= code << self.count
        self.count += self.width
        while self.count >= 8:
            self.out.append(self.bits & 0xFF)
            self.bits >>= 8
            self.count -= 8
        if code == self.clear:
            self.reset()
            return
        self.codes_since_clear += 1
        if self.codes_since_clear >= 2 and self.decoder_next < 4096:
            self.decoder_next += 1
            if self.decoder_next >= (1 << self.width) and self.width < 12:
                self.width += 1

    def finish(self):
        if self.count > 0:
            self.out.append(self.bits & 0xFF)
        return bytes(self.out)


def constant_lzw(pixels, min_size=2):
    """LZW of `pixels` zeros. The table holds runs of zeros of every length up to the
    longest, so each code stands for a run one longer than the code before it."""
    writer = CodeWriter(min_size)
    first = (1 << min_size) + 2
    writer.emit(writer.clear)
    encoder_next = first
    remaining = pixels
    while remaining > 0:
        longest = encoder_next - first + 1
        run = min(longest, remaining)
        writer.emit(0 if run == 1 else first + run - 2)
        remaining -= run
        if remaining > 0 and run == longest:
            encoder_next += 1
            # Start afresh before the table is full, as encoders commonly do.
            if encoder_next >= 4094:
                writer.emit(writer.clear)
                encoder_next = first
    writer.emit(writer.clear + 1)
    return writer.finish()


def huge_gif(out, width, height):
    data = constant_lzw(width * height)
    with open(out, "wb") as f:
        f.write(b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0))
        f.write(b"\xff\xff\xff\x00\x00\x00")  # two colours: index 0 white
        f.write(b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0))
        f.write(b"\x02")
        for start in range(0, len(data), 255):
            block = data[start:start + 255]
            f.write(bytes([len(block)]) + block)
        f.write(b"\x00\x3b")


def garbage(source, out, keep):
    with open(source, "rb") as f:
        original = f.read()
    rng = random.Random(os.path.basename(source))
    head = original[:keep]
    with open(out, "wb") as f:
        f.write(head + rng.randbytes(len(original) - len(head)))


def main(argv):
    if len(argv) == 4 and argv[0] == "huge-png":
        huge_png(argv[1], int(argv[2]), int(argv[3]))
    elif len(argv) == 4 and argv[0] == "huge-gif":
        huge_gif(argv[1], int(argv[2]), int(argv[3]))
    elif len(argv) == 4 and argv[0] == "garbage":
        garbage(argv[1], argv[2], int(argv[3]))
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

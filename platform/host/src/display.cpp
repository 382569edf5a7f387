// The display model: composes what the two DS screens show from the
// simulated registers and VRAM (extended affine bitmap layers BG2 and BG3 of
// each engine, priorities, backdrop, display modes, screen assignment).
#include <nds.h>
#include <nds/host.h>

namespace {

constexpr u32 kSubEngineOffset = 0x1000;
constexpr u32 kBankBytes = PANE_PAGE_BYTES;
constexpr u16 kOpaque = 0x8000;
constexpr u16 kWhite = 0x7FFF;

// A 15-bit colour, or transparent.
struct Sample {
  bool opaque;
  u16 color;
};

// One engine's background memory as its bank control registers map it:
// 512 KB for the main engine (four 128 KB slots), 128 KB for the sub engine.
class BgMemory {
 public:
  explicit BgMemory(bool sub) : slotCount_(sub ? 1 : 4) {
    for (const u16*& slot : slots_) slot = nullptr;
    const vu8* controls = &VRAM_A_CR;
    for (unsigned bank = 0; bank < 4; ++bank) {
      const u8 control = controls[bank];
      if ((control & VRAM_ENABLE) == 0) continue;
      const unsigned mst = control & 7u;
      const unsigned offset = (control >> 3) & 3u;
      const u16* memory = hostVramMemory + bank * HOST_VRAM_BANK_HALFWORDS;
      if (!sub && mst == 1) slots_[offset] = memory;
      if (sub && bank == 2 && mst == 4) slots_[0] = memory;  // bank C as sub BG
    }
  }

  // The halfword at a byte offset; unmapped memory reads as zero.
  u16 halfword(u32 byteOffset) const {
    byteOffset %= slotCount_ * kBankBytes;
    const u16* slot = slots_[byteOffset / kBankBytes];
    return slot == nullptr ? 0 : slot[(byteOffset % kBankBytes) / 2];
  }

  u8 byte(u32 byteOffset) const {
    const u16 pair = halfword(byteOffset & ~1u);
    return (byteOffset & 1u) ? (u8)(pair >> 8) : (u8)pair;
  }

 private:
  const u16* slots_[4];
  unsigned slotCount_;
};

// Signed 20.8 reference point: the register holds 28 significant bits.
s32 referencePoint(u32 raw) { return (s32)(raw << 4) >> 4; }

// An extended affine background (bitmap) of one engine, as its registers
// stand at the start of the frame.
struct AffineBitmap {
  unsigned index;  // 2 or 3
  unsigned priority;
  u16 control;
  s16 pa, pb, pc, pd;
  s32 refX, refY;
  u32 width, height;

  static AffineBitmap read(u32 io, unsigned index) {
    AffineBitmap layer{};
    const u32 affine = io + 0x20 + (index - 2) * 0x10;
    layer.index = index;
    layer.control = HOST_IO(vu16, io + 0x08 + index * 2);
    layer.priority = layer.control & 3u;
    layer.pa = HOST_IO(vs16, affine);
    layer.pb = HOST_IO(vs16, affine + 2);
    layer.pc = HOST_IO(vs16, affine + 4);
    layer.pd = HOST_IO(vs16, affine + 6);
    layer.refX = referencePoint(HOST_IO(vu32, affine + 8));
    layer.refY = referencePoint(HOST_IO(vu32, affine + 12));
    static const u32 kWidths[4] = {128, 256, 512, 512};
    static const u32 kHeights[4] = {128, 256, 256, 512};
    layer.width = kWidths[layer.control >> 14];
    layer.height = kHeights[layer.control >> 14];
    return layer;
  }

  bool isBitmap() const { return (control & 0x80u) != 0; }
  bool wraps() const { return (control & 0x2000u) != 0; }
  u32 base() const { return ((control >> 8) & 0x1Fu) * 0x4000u; }

  // Texel (tx, ty) of the bitmap: bit 15 is opacity for direct colour,
  // index 0 is transparent for palette colour.
  Sample texel(const BgMemory& memory, const u16* palette, s32 tx, s32 ty) const {
    if (wraps()) {
      tx &= (s32)width - 1;
      ty &= (s32)height - 1;
    } else if (tx < 0 || ty < 0 || tx >= (s32)width || ty >= (s32)height) {
      return {false, 0};
    }
    const u32 pixel = (u32)ty * width + (u32)tx;
    if (control & 0x4u) {
      const u16 value = memory.halfword(base() + pixel * 2);
      return {(value & kOpaque) != 0, (u16)(value & kWhite)};
    }
    const u8 entry = memory.byte(base() + pixel);
    return {entry != 0, (u16)(palette[entry] & kWhite)};
  }
};

// Renders one engine's picture, 256 x 192 RGB15, from its own registers.
class EngineRenderer {
 public:
  explicit EngineRenderer(bool sub)
      : sub_(sub),
        io_(0x04000000u + (sub ? kSubEngineOffset : 0)),
        memory_(sub),
        palette_(sub ? BG_PALETTE_SUB : BG_PALETTE) {}

  void render(u16* out) const {
    const u32 control = HOST_IO(vu32, io_);
    const unsigned displayMode = (control >> 16) & (sub_ ? 1u : 3u);
    if ((control & 0x80u) || displayMode == 0) return fill(out, kWhite);
    if (displayMode == 2) return showBank(out, (control >> 18) & 3u);
    if (displayMode == 3) return fill(out, 0);
    composeLayers(out, control);
  }

 private:
  static void fill(u16* out, u16 color) {
    for (unsigned i = 0; i < HOST_SCREEN_WIDTH * HOST_SCREEN_HEIGHT; ++i) out[i] = color;
  }

  // VRAM display: a bank shown directly, 256 x 192 pixels.
  static void showBank(u16* out, unsigned bank) {
    const u16* memory = hostVramMemory + bank * HOST_VRAM_BANK_HALFWORDS;
    for (unsigned i = 0; i < HOST_SCREEN_WIDTH * HOST_SCREEN_HEIGHT; ++i)
      out[i] = memory[i] & kWhite;
  }

  // BG2 is an extended affine layer in mode 5, BG3 in modes 3 to 5; the
  // front layer has the lowest priority number, ties go to the lower BG.
  void composeLayers(u16* out, u32 control) const {
    const unsigned mode = control & 7u;
    AffineBitmap layers[2];
    unsigned count = 0;
    if (mode == 5 && (control & DISPLAY_BG2_ACTIVE)) layers[count++] = AffineBitmap::read(io_, 2);
    if (mode >= 3 && mode <= 5 && (control & DISPLAY_BG3_ACTIVE))
      layers[count++] = AffineBitmap::read(io_, 3);
    if (count == 2 && layers[1].priority < layers[0].priority) {
      const AffineBitmap front = layers[1];
      layers[1] = layers[0];
      layers[0] = front;
    }
    fill(out, palette_[0] & kWhite);
    // Draw back to front so the front layer's opaque pixels win.
    for (unsigned n = count; n-- > 0;) drawLayer(layers[n], out);
  }

  // The hardware steps the reference point by (pb, pd) per line and the
  // texel position by (pa, pc) per pixel; positions are 20.8 fixed point.
  void drawLayer(const AffineBitmap& layer, u16* out) const {
    if (!layer.isBitmap()) return;  // affine tile maps are not modelled
    s32 lineX = layer.refX;
    s32 lineY = layer.refY;
    for (unsigned sy = 0; sy < HOST_SCREEN_HEIGHT; ++sy) {
      s32 x = lineX;
      s32 y = lineY;
      u16* row = out + sy * HOST_SCREEN_WIDTH;
      for (unsigned sx = 0; sx < HOST_SCREEN_WIDTH; ++sx) {
        const Sample sample = layer.texel(memory_, palette_, x >> 8, y >> 8);
        if (sample.opaque) row[sx] = sample.color;
        x += layer.pa;
        y += layer.pc;
      }
      lineX += layer.pb;
      lineY += layer.pd;
    }
  }

  bool sub_;
  u32 io_;
  BgMemory memory_;
  const u16* palette_;
};

u8 widen(unsigned channel) { return (u8)(channel << 3 | channel >> 2); }

uint32_t toRgba(u16 color) {
  return (uint32_t)widen(color & 31u) | (uint32_t)widen((color >> 5) & 31u) << 8 |
         (uint32_t)widen((color >> 10) & 31u) << 16 | 0xFF000000u;
}

// Bit 15 of REG_POWERCNT puts the main engine on the upper screen. A program's
// start-up code sets it; while nothing has configured the power register
// (all zero), the model assumes that usual set-up.
bool mainEngineOnTop() {
  const u16 power = REG_POWERCNT;
  return power == 0 || (power & 0x8000u) != 0;
}

}  // namespace

extern "C" void hostRenderScreens(uint32_t* rgba) {
  static u16 picture[2][HOST_SCREEN_WIDTH * HOST_SCREEN_HEIGHT];
  const bool mainOnTop = mainEngineOnTop();
  EngineRenderer(false).render(picture[mainOnTop ? 0 : 1]);
  EngineRenderer(true).render(picture[mainOnTop ? 1 : 0]);
  for (unsigned screen = 0; screen < 2; ++screen) {
    for (unsigned i = 0; i < HOST_SCREEN_WIDTH * HOST_SCREEN_HEIGHT; ++i)
      rgba[screen * HOST_SCREEN_WIDTH * HOST_SCREEN_HEIGHT + i] = toRgba(picture[screen][i]);
  }
}

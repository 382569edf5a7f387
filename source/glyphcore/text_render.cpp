// The string renderer: dispChar, and dispString's frame and drawing pass. The
// drawing pass walks the characters once, moving the pen, breaking words that
// do not fit, drawing glyphs and decorations and driving the cursor and the
// callback. With a table, wrap marks left by the layout pass end lines like
// line feeds; Unicode text finds each line's end as the line starts.
#include "glyphcore/text_render.h"

#include <libpane.h>
#include <pane_geometry.h>

#include "glyphcore/blitter.h"
#include "glyphcore/text_cursor.h"
#include "glyphcore/text_decorations.h"
#include "glyphcore/text_face.h"
#include "glyphcore/text_font.h"
#include "glyphcore/text_frame.h"
#include "glyphcore/text_layout.h"
#include "glyphcore/text_layout_pass.h"
#include "glyphcore/text_state.h"
#include "glyphcore/unicode_lines.h"

namespace pane::text {

namespace {

constexpr int kScreenRows = PANE_SCREEN_HEIGHT;  // bottom limit of text drawn without clipping

int larger(int a, int b) { return a > b ? a : b; }
int smaller(int a, int b) { return a < b ? a : b; }

// A glyph height (0 to 65536) divided by 3, rounded down, by a multiplication:
// the ARM9 has no divide instruction, and this runs for every character.
int thirdOf(int height) {
  return static_cast<int>((static_cast<uint32_t>(height) * 0xAAABu) >> 17);
}

// A plain string (no callback, no cursor, no highlight, no underline or
// strike-through) is drawn by a pass that never tests for them: without a
// callback nothing can switch them on halfway.
inline bool isPlainString() {
  return !(textState.callbackEnabled && textState.callbackFunction != nullptr) && !textState.cVis &&
         !textState.underline && !textState.strikethrough &&
         static_cast<unsigned>(textState.highlightStart) >=
             static_cast<unsigned>(textState.highlightEnd);
}

template <bool kPlain>
inline bool highlighted(int i) {
  return !kPlain && inHighlight(i);
}

template <bool kPlain>
inline void drawLines(const TextFrame& f, int top, int x, int length) {
  if (!kPlain) drawCharacterLines(f, top, x, length);
}

template <bool kPlain>
inline void noteEnd(CursorSearch& search, int i, const Pen& pen) {
  if (!kPlain) noteLineEnd(search, i, pen);
}

// The pen after one character, and whether the text stops there because the
// next line would start at or below the bottom limit.
struct Move {
  bool stop;
  int nx;
  int ny;
};

// A table's wrap mark is turned back into the space it covers as soon as it
// is passed; Unicode text is never written to.
template <class Face, bool kPlain>
Move endLine(const TextFrame& f, int i, uint32_t c, Pen& pen, CursorSearch& search) {
  noteEnd<kPlain>(search, i, pen);
  const Move m{false, f.lineStart, addSat(pen.top, pen.h, kLineGap)};
  if (m.ny >= f.bottomLimit) return {true, m.nx, m.ny};
  pen.h = f.spaceHeight;
  if (!Face::kUnicode && c == kWrapMark) f.str[i] = kSpace;
  return m;
}

template <class Face, bool kPlain>
Move drawTab(const TextFrame& f, const Face& face, int i, const Pen& pen) {
  const int nx = tabStopAfter(pen.x, face.tab());
  if (highlighted<kPlain>(i)) drawHighlightBand(f, pen.top, pen.x, nx - 1);
  return {false, nx, pen.top};
}

template <class Face, bool kPlain>
Move drawSpace(const TextFrame& f, const Face& face, int i, const Pen& pen) {
  const int w = face.advance(kSpace);
  if (highlighted<kPlain>(i)) drawHighlightBand(f, pen.top, pen.x, addSat(pen.x, w - 1));
  drawLines<kPlain>(f, pen.top, pen.x, w + 1);
  return {false, addSat(pen.x, w), pen.top};
}

// Moves the pen to the start of the next line before a character; true when
// that line would start at or below the bottom limit.
template <class Face, bool kPlain>
bool breakBefore(const TextFrame& f, const Face& face, int i, uint32_t c, Pen& pen,
                 CursorSearch& search) {
  noteEnd<kPlain>(search, i, pen);
  pen.x = f.lineStart;
  pen.top = addSat(pen.top, pen.h, kLineGap);
  if (pen.top >= f.bottomLimit) return true;
  pen.h = larger(f.spaceHeight, face.breakHeight(c));
  return false;
}

// A table's printable character that does not fit before the right limit
// first moves the pen to the next line (Unicode lines are broken before the
// character by the drawing pass); bold draws the glyph again one column right
// without widening the advance.
template <class Face, bool kPlain>
Move drawPrintable(const TextFrame& f, const Face& face, int i, uint32_t c, Pen& pen,
                   CursorSearch& search) {
  const auto glyph = face.glyphOf(c);
  const int w = face.advanceOf(glyph);
  if (!Face::kUnicode && f.clipping && runsPast(addSat(pen.x, w), f.c_bx)) {
    if (breakBefore<Face, kPlain>(f, face, i, c, pen, search)) return {true, pen.x, pen.top};
  }
  if (f.buffer != nullptr) {
    const unsigned rowEnd = static_cast<unsigned>(f.glyphRowEnd);
    const bool onBand = highlighted<kPlain>(i);
    if (onBand) drawHighlightBand(f, pen.top, pen.x, addSat(pen.x, w - 1));
    face.draw(glyph, c, pen.x, pen.top, f.buffer, rowEnd, onBand);
    drawLines<kPlain>(f, pen.top, pen.x, w + 1);
  }
  return {false, addSat(pen.x, w), pen.top};
}

template <class Face, bool kPlain>
Move drawCharacter(const TextFrame& f, const Face& face, int i, uint32_t c, Pen& pen,
                   CursorSearch& search) {
  switch (c) {
    case kBell:
      return {false, addSat(pen.x, 1), pen.top};
    case kBackspace:
      return {false, addSat(pen.x, -1), pen.top};
    case kTab:
      return drawTab<Face, kPlain>(f, face, i, pen);
    case kLineFeed:
    case kReturn:
    case kWrapMark:
      return endLine<Face, kPlain>(f, i, c, pen, search);
    case kRowUp:
      return {false, pen.x, addSat(pen.top, -1)};
    case kRowDown: {
      const int below = addSat(pen.top, 1);
      return {below >= f.bottomLimit, pen.x, below};
    }
    case kSpace:
      return drawSpace<Face, kPlain>(f, face, i, pen);
    default:
      return drawPrintable<Face, kPlain>(f, face, i, c, pen, search);
  }
}

// Outcome of the drawing pass: the index it ended at (the string's length when
// every character was handled) and whether the callback stopped it there.
struct DrawOutcome {
  int end;
  bool callbackStopped;
};

// Where the current line of Unicode text ends; tables need no such look
// ahead, since their layout pass has marked the spaces, and without clipping
// no line wraps.
template <class Face>
LineEnd lineEndFrom(const TextFrame& f, const Face& face, int from, int penX) {
  if constexpr (Face::kUnicode) {
    if (f.clipping) return findLineEnd(face.font, f.str, from, penX, f.c_bx);
  }
  (void)f, (void)face, (void)from, (void)penX;
  return {LineEndKind::Open, -1};  // never reached by the pen
}

// Leaves `pen` where the text ends: after the last character, at the start of
// the line that was not started, or before the character the callback stopped.
// As the layout pass of Unicode text (kLayout), it draws nothing and only
// calls the callback, for pass 1.
template <class Face, bool kLayout = false, bool kPlain = false>
DrawOutcome runDrawingPass(const TextFrame& f, const Face& face, Pen& pen, CursorSearch& search) {
  LineEnd line = lineEndFrom(f, face, 0, pen.x);
  int i = 0;
  for (;;) {
    const Decoded d = face.decode(f.str + i);
    uint32_t c = d.code;
    if (c == kEndOfString) break;
    bool breaksHere = false;
    if (Face::kUnicode && i == line.at && line.kind != LineEndKind::Open) {
      if (line.kind == LineEndKind::AtSpace)
        c = kWrapMark;  // the space ends the line, as a table's wrap mark does
      else
        breaksHere = true;
    }
    const int charHeight = face.height(c);
    if (kLayout) {
      if (layoutCallbackStops(i, c, pen.x, pen.top)) return {i, true};
    } else if (!kPlain && drawingCallbackStops(f, i, c, charHeight, breaksHere, pen)) {
      return {i, true};
    }
    if (breaksHere) {
      // A line never ends at its own first character, so the new line's end lies past i.
      if (breakBefore<Face, kPlain>(f, face, i, c, pen, search)) return {i, false};
      line = lineEndFrom(f, face, i, pen.x);
    }
    pen.h = larger(pen.h, charHeight);
    textState.sprite.italicJump = thirdOf(charHeight);

    const Move m = drawCharacter<Face, kPlain>(f, face, i, c, pen, search);
    if (m.stop) {
      pen.x = m.nx;
      pen.top = m.ny;
      return {i, false};
    }
    const int next = i + d.length;
    if (!kLayout) {
      textState.lx = m.nx;
      textState.ly = m.ny;
      if (!kPlain) trackCursor(search, f, i, next, pen, m.nx, m.ny, pen.h);
    }
    if (Face::kUnicode && isLineEnd(c)) line = lineEndFrom(f, face, next, m.nx);
    pen.x = m.nx;
    pen.top = m.ny;
    i = next;
  }
  return {i, false};
}

TextFrame makeFrame(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping,
                    int c_x, int c_y, int c_bx, int c_by, int lastRow) {
  TextFrame f;
  f.str = static_cast<uint8_t*>(const_cast<void*>(inStr));
  f.buffer = buffer;
  f.font = textState.currentFont;
  f.x = x;
  f.y = y;
  f.startX = addSat(x, c_x);
  f.startTop = addSat(y, c_y);
  f.c_x = c_x;
  f.c_y = c_y;
  f.c_bx = c_bx;
  f.c_by = c_by;
  f.clipping = enableClipping != 0;
  f.lineStart = lineStartColumn(x, c_x, textState.border);
  f.bottomLimit = f.clipping ? c_by : kScreenRows;
  f.decorationRows = smaller(c_by, lastRow);
  f.glyphRowEnd = lastRow < c_by ? lastRow + 1 : c_by;
  const PaneFont* unicode = textState.unicodeFont;
  f.spaceHeight = unicode != nullptr ? unicode->lineHeight : spaceHeight(f.font);
  f.underlineOffset = unicode != nullptr ? unicode->underline : underlineOffset(f.font);
  return f;
}

// Runs the layout pass (with clipping), the drawing pass, puts the string back
// and finishes the cursor. A callback stop returns at once, but the wrap marks
// it leaves are turned back into spaces first.
int renderTableString(const TextFrame& f) {
  int layoutEnd = 0;
  if (f.clipping) {
    const LayoutOutcome layout = runLayoutPass(f);
    if (layout.stopped) {
      restoreWrapMarks(f.str, 0, layout.end);
      return layout.height;
    }
    layoutEnd = layout.end;
  }

  Pen pen{f.startX, f.startTop, f.spaceHeight};
  CursorSearch search;
  const TableFace face{f.font};
  const DrawOutcome drawn = isPlainString()
                                ? runDrawingPass<TableFace, false, true>(f, face, pen, search)
                                : runDrawingPass(f, face, pen, search);
  restoreWrapMarks(f.str, drawn.end, layoutEnd);
  if (!drawn.callbackStopped) finishCursor(search, f, drawn.end, pen);
  return blockHeight(f, pen);
}

// Unicode text finds its line ends while it draws; the layout pass runs only
// for a callback that asked to see it, with clipping on as for tables.
int renderUnicodeString(const TextFrame& f, const PaneFont* font) {
  const UnicodeFace face{font};
  if (f.clipping && textState.twoPass && textState.callbackEnabled &&
      textState.callbackFunction != nullptr) {
    TextFrame layout = f;
    layout.buffer = nullptr;
    Pen pen{f.startX, f.startTop, f.spaceHeight};
    CursorSearch search;  // settled: the layout pass leaves the cursor's neighbours alone
    search.aboveFound = search.belowFound = true;
    if (runDrawingPass<UnicodeFace, true>(layout, face, pen, search).callbackStopped)
      return blockHeight(f, pen);
  }
  Pen pen{f.startX, f.startTop, f.spaceHeight};
  CursorSearch search;
  const DrawOutcome drawn = isPlainString()
                                ? runDrawingPass<UnicodeFace, false, true>(f, face, pen, search)
                                : runDrawingPass(f, face, pen, search);
  if (!drawn.callbackStopped) finishCursor(search, f, drawn.end, pen);
  return blockHeight(f, pen);
}

}  // namespace

// One glyph of a table as dispChar draws it, in the current style.
void drawTableGlyph(uint16_t** font, int x, int y, uint32_t chr, uint16_t* buffer, unsigned maxX,
                    unsigned maxY) {
  if (font == nullptr || buffer == nullptr) return;
  drawShownTableGlyph(font, shownGlyph(font, chr), x, y, buffer, maxX, maxY);
}

}  // namespace pane::text

namespace pane {

int dispStringBounded(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping,
                      int c_x, int c_y, int c_bx, int c_by, int lastRow) {
  if (inStr == nullptr) return 0;
  if (textState.unicodeFont != nullptr)
    return text::renderUnicodeString(
        text::makeFrame(x, y, inStr, buffer, enableClipping, c_x, c_y, c_bx, c_by, lastRow),
        textState.unicodeFont);
  if (textState.currentFont == nullptr) return 0;
  return text::renderTableString(
      text::makeFrame(x, y, inStr, buffer, enableClipping, c_x, c_y, c_bx, c_by, lastRow));
}

}  // namespace pane

using namespace pane;

extern "C" {

void dispChar(int x, int y, uint32_t chr, uint16_t* buffer, unsigned max_X, unsigned max_Y) {
  if (textState.unicodeFont != nullptr)
    text::drawUnicodeCharacter(textState.unicodeFont, x, y, chr, buffer, max_X, max_Y);
  else
    text::drawTableGlyph(textState.currentFont, x, y, chr, buffer, max_X, max_Y);
}

// The caller's buffer is taken to reach row c_by: glyphs stop above it, while
// bands, lines and the cursor bar may fill it.
int dispString(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping, int c_x,
               int c_y, int c_bx, int c_by) {
  return dispStringBounded(x, y, inStr, buffer, enableClipping, c_x, c_y, c_bx, c_by, c_by);
}

}  // extern "C"

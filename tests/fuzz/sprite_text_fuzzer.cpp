// palsqueeze's reading of pasted sprite text under any input: splitting,
// comment removal, line ends and the whole compression must neither fail
// nor disagree with themselves.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/compressor.h"
#include "core/sprite_text.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string crLf = palsqueeze::withCrLfLineEnds(text);
  if (palsqueeze::withCrLfLineEnds(crLf) != crLf) fail("CR LF line ends are not kept as they are");
  if (palsqueeze::withoutComments(text).size() > text.size())
    fail("removing comments made the text longer");
  palsqueeze::readSpriteText(text);

  const palsqueeze::Result result = palsqueeze::compress(text);
  switch (result.status) {
    case palsqueeze::Status::Compressed:
      if (result.output.empty() || result.bits < 1 || result.bits > 8 || result.palette.empty() ||
          result.palette.size() > palsqueeze::kMaxPaletteEntries)
        fail("a compressed result without output, bits or palette");
      break;
    case palsqueeze::Status::TooManyEntries:
      if (result.palette.size() <= palsqueeze::kMaxPaletteEntries)
        fail("refused a palette that fits");
      break;
    case palsqueeze::Status::Unreadable:
      if (result.problem.empty() || !result.output.empty()) fail("unreadable without a reason");
      break;
  }
  return 0;
}

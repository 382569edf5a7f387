// Reading the C text of a plain sprite record: the declaration in front of the
// first "{" and the values between that brace and the closing one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace palsqueeze {

struct SpriteText {
  std::string declaration;  // text before the first "{", line ends as CR LF
  // width - 1, height - 1, then the pixels, spaces trimmed: views into body, so that
  // a large sprite costs a few bytes per value
  std::vector<std::string_view> values;
  std::shared_ptr<const std::string> body;  // the cleaned text the values lie in
};

// Splits pasted array text into declaration and values. Comments are dropped, the
// body ends at the first "}" or the second "{", and one trailing comma (which C
// allows) adds no value. Nothing when the text has no "{".
std::optional<SpriteText> readSpriteText(std::string_view text);

// The text with every line end (CR LF, lone CR or lone LF) written as CR LF.
std::string withCrLfLineEnds(std::string_view text);

// The text with C comments removed: "//" up to the line end, "/*" up to "*/" (or the
// end of the text) replaced by a space.
std::string withoutComments(std::string_view text);

}  // namespace palsqueeze

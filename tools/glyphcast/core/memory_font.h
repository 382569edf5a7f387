// The font table of a conversion, built in memory word for word as the compiled
// font source holds it: the captured glyphs from their data, the template's
// arrays and table from its text (the only part that exists only as text).
#pragma once

#include "glyphcast/core/converter.h"

#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace glyphcast {

class MemoryFont {
 public:
  // nullptr with *error when the template's table cannot be read: a name it
  // lists is not declared, or a declaration is not one of the forms the
  // template uses ("static uint16 NAME[] = { numbers };", const and u16 too,
  // "uint16* NAME[] = { 0, NAME or (uint16*)NAME, ... };").
  static std::unique_ptr<MemoryFont> build(const Conversion& conversion, QString* error);

  // The 260 slots, to pass to setFont; valid while this object lives.
  std::uint16_t** table() { return table_.data(); }
  // The words of a named array, or nullptr.
  const std::vector<std::uint16_t>* array(const QString& name) const;

  MemoryFont(const MemoryFont&) = delete;
  MemoryFont& operator=(const MemoryFont&) = delete;

 private:
  MemoryFont() = default;

  std::map<QString, std::vector<std::uint16_t>> arrays_;
  std::array<std::uint16_t*, 260> table_{};
};

// What keeps the filled template from defining the font table tableName so that
// other sources can link to it, as a header declares it (extern uint16* NAME[]):
// empty when it defines "uint16* NAME[] = " without static.
QString tableDefinitionProblem(const QString& filledTemplate, const QString& tableName);

}  // namespace glyphcast

// Bank records typed out in tests: a text filled with blanks (or cut) to its field's width.
#pragma once

#include <cstddef>
#include <string>

namespace selvane::test {

inline std::string Pad(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

}  // namespace selvane::test

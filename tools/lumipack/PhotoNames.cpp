#include "PhotoNames.h"

#include <cstdint>
#include <string>

namespace lumipack {
namespace {

constexpr std::size_t kMaxStem = 48;

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

std::string_view Stem(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
}

// The characters of the Western code page between 0x80 and 0x9F; 0 where it
// has none.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char AnsiOf(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<char>(codePoint);
  if (codePoint >= 0xA0 && codePoint <= 0xFF) return static_cast<char>(codePoint);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// Length of the well-formed UTF-8 sequence at text[at], with its code point;
// 0 when the bytes there are not one.
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length;
  char32_t min;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800, codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    codePoint = codePoint << 6 | (byte(at + i) & 0x3F);
  }
  if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return 0;
  }
  return length;
}

}  // namespace

bool HasJpegExtension(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  std::string extension;
  for (char c : fileName.substr(dot + 1)) extension += Fold(c);
  return extension == "jpg" || extension == "jpeg" || extension == "jpe";
}

bool NaturalLess(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      while (i < a.size() && a[i] == '0') ++i;
      while (j < b.size() && b[j] == '0') ++j;
      std::size_t endA = i, endB = j;
      while (endA < a.size() && IsDigit(a[endA])) ++endA;
      while (endB < b.size() && IsDigit(b[endB])) ++endB;
      // Without leading zeros the longer run is the larger number.
      if (endA - i != endB - j) return endA - i < endB - j;
      const int order = a.substr(i, endA - i).compare(b.substr(j, endB - j));
      if (order != 0) return order < 0;
      i = endA;
      j = endB;
      continue;
    }
    const unsigned char x = static_cast<unsigned char>(Fold(a[i]));
    const unsigned char y = static_cast<unsigned char>(Fold(b[j]));
    if (x != y) return x < y;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return j < b.size();
  return a < b;
}

std::string AnsiFromUtf8(std::string_view text) {
  std::string ansi;
  for (std::size_t at = 0; at < text.size();) {
    char32_t codePoint = 0;
    const std::size_t length = DecodeUtf8(text, at, codePoint);
    if (length == 0) {
      ansi += text[at++];
    } else {
      ansi += AnsiOf(codePoint);
      at += length;
    }
  }
  return ansi;
}

std::string TitleFromFileName(std::string_view fileName) {
  const std::string ansi = AnsiFromUtf8(Stem(fileName));
  std::string title;
  bool gap = false;
  for (char c : ansi) {
    const bool separator =
        c == '_' || c == '-' || c == ' ' || IsControl(static_cast<unsigned char>(c));
    if (separator) {
      gap = !title.empty();
      continue;
    }
    if (gap) title += ' ';
    gap = false;
    title += c;
  }
  return title;
}

std::string MemberStem(std::string_view fileName) {
  std::string stem;
  bool replacing = false;
  for (char c : Stem(fileName)) {
    const bool kept =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '-' || c == '_';
    if (kept) {
      stem += c;
    } else if (!replacing) {
      stem += '_';
    }
    replacing = !kept;
    if (stem.size() >= kMaxStem) break;
  }
  return stem.empty() ? "Photo" : stem.substr(0, kMaxStem);
}

std::string UniqueStem(std::string_view fileName, std::set<std::string>& taken) {
  const std::string stem = MemberStem(fileName);
  std::string candidate = stem;
  for (int n = 2;; ++n) {
    std::string folded = candidate;
    for (char& c : folded) c = Fold(c);
    if (taken.insert(folded).second) return candidate;
    candidate = stem + "_" + std::to_string(n);
  }
}

}  // namespace lumipack

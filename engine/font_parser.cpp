// Reading an "[HGEFONT]" description: splitting lines and reading Bitmap and Char lines.
#include "engine/font_parser.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>

namespace {

bool IsSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A cursor over one line, reading the way scanf patterns do.
class LineReader {
 public:
  explicit LineReader(const std::string& text) : s(text) {}

  void SkipSpaces() {
    while (pos < s.size() && IsSpace(s[pos])) ++pos;
  }
  // Whitespace, then `c`; false when the next character is something else.
  bool Literal(char c) {
    SkipSpaces();
    if (pos >= s.size() || s[pos] != c) return false;
    ++pos;
    return true;
  }
  // Whitespace, an optional sign and at least one digit; values beyond int are clamped.
  bool Int(int* value) {
    SkipSpaces();
    bool negative = false;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+')) negative = s[pos++] == '-';
    size_t start = pos;
    long long v = 0;
    for (; pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])); ++pos) {
      if (v <= INT_MAX) v = v * 10 + (s[pos] - '0');
    }
    if (pos == start) return false;
    if (negative) v = -v;
    *value = static_cast<int>(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v);
    return true;
  }
  // Whitespace, then the following run of non-whitespace.
  std::string Word() {
    SkipSpaces();
    size_t start = pos;
    while (pos < s.size() && !IsSpace(s[pos])) ++pos;
    return s.substr(start, pos - start);
  }
  bool AtEnd() const { return pos >= s.size(); }
  char Peek() const { return s[pos]; }
  char Next() { return s[pos++]; }
  void Seek(size_t p) { pos = p; }

 private:
  const std::string& s;
  size_t pos = 0;
};

bool StartsWith(const std::string& line, const char* prefix) {
  return line.compare(0, std::strlen(prefix), prefix) == 0;
}

// "Bitmap = name": the name, or "" when the line does not follow the pattern.
FontLine ReadBitmap(const std::string& line) {
  FontLine out;
  out.kind = FontLine::kBitmap;
  LineReader r(line);
  r.Seek(std::strlen("Bitmap"));
  if (r.Literal('=')) out.bitmap = r.Word();
  return out;
}

// "Char = <"c" or hex>, x, y, w, h, pre, post"; false when the line cannot be used.
bool ReadChar(const std::string& line, FontLine* out) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  LineReader r(line);
  r.Seek(equals + 1);
  r.SkipSpaces();
  if (r.AtEnd()) return false;
  int code = 0;
  if (r.Peek() == '"') {
    r.Next();
    if (r.AtEnd()) return false;
    code = static_cast<unsigned char>(r.Next());
    if (r.AtEnd() || r.Next() != '"') return false;
  } else {
    if (HexDigit(r.Peek()) < 0) return false;
    while (!r.AtEnd() && HexDigit(r.Peek()) >= 0) {
      code = code * 16 + HexDigit(r.Next());
      if (code > 0xFF) return false;  // not a byte
    }
  }
  out->kind = FontLine::kChar;
  out->code = static_cast<unsigned char>(code);
  int* fields[6] = {&out->x, &out->y, &out->w, &out->h, &out->pre, &out->post};
  for (int* field : fields) {
    if (!r.Literal(',') || !r.Int(field)) return false;
  }
  return true;
}

}  // namespace

FontDescription ParseFontDescription(const char* data, size_t size) {
  FontDescription out;
  if (data == nullptr) return out;
  size_t pos = 0;
  bool first = true;
  while (pos < size) {
    // One line: up to "\n" or "\r", of which only the first kFontLineMax characters count.
    size_t end = pos;
    while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
    std::string line(data + pos, std::min(end - pos, kFontLineMax));
    pos = end;
    while (pos < size && (data[pos] == '\n' || data[pos] == '\r')) ++pos;

    if (first) {
      first = false;
      if (line != "[HGEFONT]") return out;
      out.headerOk = true;
    } else if (StartsWith(line, "Bitmap")) {
      out.lines.push_back(ReadBitmap(line));
    } else if (StartsWith(line, "Char")) {
      FontLine glyph;
      if (ReadChar(line, &glyph)) out.lines.push_back(glyph);
    }
  }
  return out;
}

std::string FontBitmapPath(const std::string& fontFile, const std::string& bitmap) {
  size_t slash = fontFile.rfind('\\');
  if (slash == std::string::npos) slash = fontFile.rfind('/');
  if (slash == std::string::npos) return bitmap;
  return fontFile.substr(0, slash + 1) + bitmap;
}

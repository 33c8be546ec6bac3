#include "runtime/rtf_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <vector>

#include "runtime/cp932_text.h"

namespace tolvane {

namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

struct ControlWord {
  std::string_view word;
  bool hasParam = false;
  long param = 0;
  std::size_t end = 0;  // index after the word, its parameter and its delimiter
};

// Reads the control word that starts at `at` (the byte after the backslash).
ControlWord ReadControlWord(std::string_view rtf, std::size_t at) {
  ControlWord cw;
  std::size_t i = at;
  while (i < rtf.size() && IsLetter(rtf[i]))
    ++i;
  cw.word = rtf.substr(at, i - at);
  std::size_t digits = i;
  if (digits < rtf.size() && rtf[digits] == '-')
    ++digits;
  std::size_t j = digits;
  while (j < rtf.size() && IsDigit(rtf[j]) && j - digits < 10)
    ++j;
  if (j > digits) {
    cw.hasParam = true;
    cw.param = std::strtol(std::string(rtf.substr(i, j - i)).c_str(), nullptr, 10);
    i = j;
  }
  if (i < rtf.size() && rtf[i] == ' ')
    ++i;
  cw.end = i;
  return cw;
}

const char kHexDigits[] = "0123456789abcdef";
constexpr long kShiftJisCodePage = 932;

void AppendHexEscape(std::string& out, unsigned char byte) {
  out += "\\'";
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
}

// Words the control shows as a character of their own (a soft line break,
// dashes, quotes, spaces, table cells) or as an object.
bool IsSpecialCharacterWord(std::string_view w) {
  static constexpr std::string_view kWords[] = {
      "line",      "emdash",  "endash",  "bullet",   "lquote", "rquote", "ldblquote",
      "rdblquote", "emspace", "enspace", "qmspace",  "zwj",    "zwnj",   "ltrmark",
      "rtlmark",   "cell",    "row",     "nestcell", "page",   "sect",   "column",
      "softline",  "chdate",  "chtime",  "chpgn",    "pict",   "object", "shppict"};
  return std::find(std::begin(kWords), std::end(kWords), w) != std::end(kWords);
}

// Destinations whose text the control does not show.
bool IsSkippedDestination(std::string_view w) {
  static constexpr std::string_view kWords[] = {
      "fonttbl", "colortbl",  "stylesheet",        "info",     "header", "footer",
      "pntext",  "listtable", "listoverridetable", "generator"};
  return std::find(std::begin(kWords), std::end(kWords), w) != std::end(kWords);
}

int HexValue(char c) {
  if (IsDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// The code page of the document's "\ansicpg", or 0 when it names none.
long DeclaredCodePage(std::string_view rtf) {
  std::size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i];
    if (c == '\\' && i + 1 < rtf.size() && IsLetter(rtf[i + 1])) {
      const ControlWord cw = ReadControlWord(rtf, i + 1);
      if (cw.word == "ansicpg" && cw.hasParam)
        return cw.param;
      i = cw.end;
      if (cw.word == "bin" && cw.hasParam && cw.param > 0)
        i += std::min(static_cast<std::size_t>(cw.param), rtf.size() - i);
    } else if (c == '\\' || IsLeadByte(static_cast<unsigned char>(c))) {
      i += 2;  // a control symbol, or a raw double-byte character
    } else {
      ++i;
    }
  }
  return 0;
}

}  // namespace

bool IsRtfDocument(std::string_view bytes) {
  return bytes.substr(0, 5) == "{\\rtf";
}

std::string PrepareRtfForControl(std::string_view rtf) {
  std::string out;
  out.reserve(rtf.size() + rtf.size() / 4);
  const long codePage = DeclaredCodePage(rtf);
  const bool doubleByte = codePage == 0 || codePage == kShiftJisCodePage;
  bool headerDone = codePage != 0;
  std::size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i];
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' && i + 1 < rtf.size() && IsLetter(rtf[i + 1])) {
      const ControlWord cw = ReadControlWord(rtf, i + 1);
      if (cw.word == "bin" && cw.hasParam && cw.param > 0) {
        // Binary data becomes the same data in hexadecimal: a control that
        // reads "\bin" as text would take the braces among its bytes for
        // groups (a deep enough pile of them ends the process) and show
        // nothing after it. The blank ends a control word before it.
        i = cw.end;
        const std::size_t length = std::min(static_cast<std::size_t>(cw.param), rtf.size() - i);
        out += ' ';
        for (const char b : rtf.substr(i, length)) {
          out += kHexDigits[static_cast<unsigned char>(b) >> 4];
          out += kHexDigits[static_cast<unsigned char>(b) & 0x0F];
        }
        i += length;
        continue;
      }
      out.append(rtf.substr(i, cw.end - i));
      if (!headerDone && cw.word == "rtf") {
        if (out.back() == ' ')
          out.pop_back();
        out += "\\ansicpg932 ";
        headerDone = true;
      }
      i = cw.end;
    } else if (c == '\\' && i + 1 < rtf.size()) {
      // A control symbol such as \' \\ \{ \}; a lead byte after the
      // backslash is a symbol too, as the control reads it, not text.
      out.append(rtf.substr(i, 2));
      i += 2;
    } else if (doubleByte && IsLeadByte(byte) && i + 1 < rtf.size()) {
      AppendHexEscape(out, byte);
      AppendHexEscape(out, static_cast<unsigned char>(rtf[i + 1]));
      i += 2;
    } else if (!doubleByte && byte >= 0x80) {
      AppendHexEscape(out, byte);
      ++i;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

std::size_t RtfGroupDepth(std::string_view rtf) {
  std::size_t depth = 0;
  std::size_t deepest = 0;
  std::size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i];
    if (c == '\\') {
      i += 2;  // a control symbol (\{ and \} are text) or a word's first letter
    } else {
      if (c == '{')
        deepest = std::max(deepest, ++depth);
      else if (c == '}' && depth > 0)
        --depth;
      ++i;
    }
  }
  return deepest;
}

std::optional<std::string> RtfPlainText(std::string_view rtf) {
  struct GroupState {
    bool skip = false;
    long unicodeSkip = 1;
  };
  const long codePage = DeclaredCodePage(rtf);
  const bool shiftJis = codePage == 0 || codePage == kShiftJisCodePage;
  std::vector<GroupState> stack{GroupState{}};
  std::string text;
  bool unreadable = false;
  long pendingSkip = 0;  // fallback characters still to drop after \u
  bool groupStart = false;
  auto emit = [&](char c) {
    if (pendingSkip > 0) {
      --pendingSkip;
      return;
    }
    if (stack.back().skip)
      return;
    // Another code page's character is known only to the control.
    if (!shiftJis && static_cast<unsigned char>(c) >= 0x80)
      unreadable = true;
    text += c;
  };
  // A character the control shows but this reading cannot name.
  auto unknown = [&] {
    if (pendingSkip == 0 && !stack.back().skip)
      unreadable = true;
  };
  std::size_t i = 0;
  while (i < rtf.size() && !unreadable) {
    const char c = rtf[i];
    const bool atGroupStart = groupStart;
    groupStart = false;
    if (c == '{') {
      if (stack.size() < 4096)
        stack.push_back(stack.back());
      groupStart = true;
      ++i;
    } else if (c == '}') {
      if (stack.size() > 1)
        stack.pop_back();
      pendingSkip = 0;
      ++i;
    } else if (c == '\\' && i + 1 < rtf.size() && IsLetter(rtf[i + 1])) {
      const ControlWord cw = ReadControlWord(rtf, i + 1);
      i = cw.end;
      const std::string_view w = cw.word;
      if (w == "par") {
        emit('\r');
        emit('\n');
      } else if (w == "tab") {
        emit('\t');
      } else if (w == "uc") {
        stack.back().unicodeSkip = cw.param;
      } else if (w == "u") {
        if (cw.param > 0 && cw.param < 0x80)
          emit(static_cast<char>(cw.param));
        else
          unknown();
        pendingSkip = stack.back().unicodeSkip;
      } else if (w == "bin" && cw.hasParam && cw.param > 0) {
        // What binary data shows is the control's to say.
        i += std::min(static_cast<std::size_t>(cw.param), rtf.size() - i);
        unknown();
      } else if (IsSpecialCharacterWord(w)) {
        unknown();
      } else if (atGroupStart && IsSkippedDestination(w)) {
        stack.back().skip = true;
      }
    } else if (c == '\\' && i + 1 < rtf.size()) {
      const char symbol = rtf[i + 1];
      i += 2;
      if (symbol == '\'' && i + 1 < rtf.size() && HexValue(rtf[i]) >= 0 &&
          HexValue(rtf[i + 1]) >= 0) {
        emit(static_cast<char>(HexValue(rtf[i]) * 16 + HexValue(rtf[i + 1])));
        i += 2;
      } else if (symbol == '*') {
        stack.back().skip = true;
      } else if (symbol == '\\' || symbol == '{' || symbol == '}') {
        emit(symbol);
      } else if (symbol == '\r' || symbol == '\n') {
        emit('\r');
        emit('\n');
      } else if (symbol == '~' || symbol == '_' || symbol == '-') {
        unknown();
      }
    } else if (c == '\r' || c == '\n') {
      ++i;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      if (shiftJis && IsLeadByte(byte) && i + 1 < rtf.size()) {
        emit(c);
        emit(rtf[i + 1]);
        i += 2;
      } else {
        emit(c);
        ++i;
      }
    }
  }
  if (unreadable)
    return std::nullopt;
  return text;
}

}  // namespace tolvane

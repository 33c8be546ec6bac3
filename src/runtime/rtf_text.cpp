#include "runtime/rtf_text.h"

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

void AppendHexEscape(std::string& out, unsigned char byte) {
  out += "\\'";
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
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

}  // namespace

bool IsRtfDocument(std::string_view bytes) {
  return bytes.substr(0, 5) == "{\\rtf";
}

std::string PrepareRtfForControl(std::string_view rtf) {
  std::string out;
  out.reserve(rtf.size() + rtf.size() / 4);
  const bool declareCodePage = rtf.find("\\ansicpg") == std::string_view::npos;
  bool headerDone = !declareCodePage;
  std::size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i];
    if (c == '\\' && i + 1 < rtf.size() && IsLetter(rtf[i + 1])) {
      const ControlWord cw = ReadControlWord(rtf, i + 1);
      out.append(rtf.substr(i, cw.end - i));
      if (!headerDone && cw.word == "rtf") {
        if (out.back() == ' ')
          out.pop_back();
        out += "\\ansicpg932 ";
        headerDone = true;
      }
      i = cw.end;
      if (cw.word == "bin" && cw.hasParam && cw.param > 0) {
        const std::size_t length = std::min(static_cast<std::size_t>(cw.param), rtf.size() - i);
        out.append(rtf.substr(i, length));
        i += length;
      }
      continue;
    }
    if (c == '\\' && i + 1 < rtf.size() && !IsLeadByte(static_cast<unsigned char>(rtf[i + 1]))) {
      out.append(rtf.substr(i, 2));  // a control symbol such as \' \\ \{ \}
      i += 2;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (IsLeadByte(byte) && i + 1 < rtf.size()) {
      AppendHexEscape(out, byte);
      AppendHexEscape(out, static_cast<unsigned char>(rtf[i + 1]));
      i += 2;
      continue;
    }
    out += c;
    ++i;
  }
  return out;
}

std::string RtfPlainText(std::string_view rtf) {
  struct GroupState {
    bool skip = false;
    long unicodeSkip = 1;
  };
  std::vector<GroupState> stack{GroupState{}};
  std::string text;
  long pendingSkip = 0;  // fallback characters still to drop after \u
  bool groupStart = false;
  auto emit = [&](char c) {
    if (pendingSkip > 0) {
      --pendingSkip;
      return;
    }
    if (!stack.back().skip)
      text += c;
  };
  std::size_t i = 0;
  while (i < rtf.size()) {
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
      if (w == "par" || w == "line" || w == "row") {
        emit('\r');
        emit('\n');
      } else if (w == "tab" || w == "cell") {
        emit('\t');
      } else if (w == "uc") {
        stack.back().unicodeSkip = cw.param;
      } else if (w == "u") {
        emit('?');
        pendingSkip = stack.back().unicodeSkip;
      } else if (w == "bin" && cw.hasParam && cw.param > 0) {
        i += std::min(static_cast<std::size_t>(cw.param), rtf.size() - i);
      } else if (atGroupStart &&
                 (w == "fonttbl" || w == "colortbl" || w == "stylesheet" || w == "info" ||
                  w == "pict" || w == "header" || w == "footer" || w == "object" || w == "pntext" ||
                  w == "listtable" || w == "listoverridetable" || w == "generator")) {
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
      } else if (symbol == '~') {
        emit(' ');
      } else if (symbol == '\\' || symbol == '{' || symbol == '}') {
        emit(symbol);
      } else if (symbol == '\r' || symbol == '\n') {
        emit('\r');
        emit('\n');
      }
    } else if (c == '\r' || c == '\n') {
      ++i;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      if (IsLeadByte(byte) && i + 1 < rtf.size()) {
        emit(c);
        emit(rtf[i + 1]);
        i += 2;
      } else {
        emit(c);
        ++i;
      }
    }
  }
  return text;
}

}  // namespace tolvane

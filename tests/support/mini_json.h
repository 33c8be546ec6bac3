// A strict reader of the JSON the disc checker writes, for tests: it fails
// on anything that is not JSON, so a test that reads a report also proves
// that a script can.
#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace testjson {

struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<Value> items;
  std::map<std::string, Value> members;

  // A member that is not there is an error, not an empty value.
  const Value& operator[](const std::string& key) const {
    const auto it = members.find(key);
    if (kind != Kind::Object || it == members.end())
      throw std::runtime_error("no member \"" + key + "\"");
    return it->second;
  }
  const Value& operator[](std::size_t index) const { return items.at(index); }
};

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  Value Document() {
    Value value = Read();
    Blanks();
    if (at_ != text_.size())
      Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("JSON: " + what + " at " + std::to_string(at_));
  }
  void Blanks() {
    while (at_ < text_.size() &&
           std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
      ++at_;
  }
  bool Take(std::string_view word) {
    Blanks();
    if (text_.substr(at_, word.size()) != word)
      return false;
    at_ += word.size();
    return true;
  }
  void Expect(char c) {
    if (!Take(std::string_view(&c, 1)))
      Fail(std::string("expected ") + c);
  }

  std::string String() {
    Expect('"');
    std::string s;
    while (at_ < text_.size() && text_[at_] != '"') {
      const auto c = static_cast<unsigned char>(text_[at_++]);
      if (c < 0x20)
        Fail("control character in a string");
      if (c != '\\') {
        s += static_cast<char>(c);
        continue;
      }
      if (at_ >= text_.size())
        Fail("cut escape");
      const char e = text_[at_++];
      const std::string_view simple = "\"\\/bfnrt";
      if (const auto k = simple.find(e); k != std::string_view::npos) {
        s += "\"\\/\b\f\n\r\t"[k];
      } else if (e == 'u' && at_ + 4 <= text_.size()) {
        const unsigned code = std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16);
        at_ += 4;
        if (code >= 0x80)
          Fail("\\u beyond ASCII (the checker writes UTF-8)");
        s += static_cast<char>(code);
      } else {
        Fail("bad escape");
      }
    }
    Expect('"');
    return s;
  }

  Value Read() {
    Value v;
    Blanks();
    if (at_ >= text_.size())
      Fail("end of text");
    const char c = text_[at_];
    if (c == '{') {
      v.kind = Value::Kind::Object;
      Expect('{');
      if (!Take("}")) {
        do {
          std::string key = String();
          Expect(':');
          if (!v.members.emplace(std::move(key), Read()).second)
            Fail("a member named twice");
        } while (Take(","));
        Expect('}');
      }
    } else if (c == '[') {
      v.kind = Value::Kind::Array;
      Expect('[');
      if (!Take("]")) {
        do
          v.items.push_back(Read());
        while (Take(","));
        Expect(']');
      }
    } else if (c == '"') {
      v.kind = Value::Kind::String;
      v.text = String();
    } else if (Take("true")) {
      v.kind = Value::Kind::Bool;
      v.boolean = true;
    } else if (Take("false")) {
      v.kind = Value::Kind::Bool;
    } else if (Take("null")) {
    } else {
      char* end = nullptr;
      const std::string rest(text_.substr(at_, 32));
      v.kind = Value::Kind::Number;
      v.number = std::strtod(rest.c_str(), &end);
      if (end == rest.c_str())
        Fail("no value");
      at_ += static_cast<std::size_t>(end - rest.c_str());
    }
    return v;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

inline Value Parse(std::string_view text) {
  return Reader(text).Document();
}

}  // namespace testjson

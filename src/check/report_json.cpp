// The report for scripts: one JSON object, UTF-8, field names that stay.
#include <ostream>
#include <vector>

#include "check/report_output.h"
#include "platform/disc/host_text.h"
#include "runtime/text_encoding.h"

namespace tolvane::check {

namespace {

// Writes JSON with two blanks of indentation a level.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void Begin(std::string_view key, char bracket) {
    Item(key);
    out_ << bracket;
    empty_.push_back(true);
  }
  void End(char bracket) {
    const bool empty = empty_.back();
    empty_.pop_back();
    if (!empty)
      out_ << "\n" << std::string(2 * empty_.size(), ' ');
    out_ << bracket;
    if (empty_.empty())
      out_ << "\n";
  }
  void String(std::string_view key, std::string_view value) {
    Item(key);
    Quote(value);
  }
  void Number(std::string_view key, long long value) {
    Item(key);
    out_ << value;
  }
  void Bool(std::string_view key, bool value) {
    Item(key);
    out_ << (value ? "true" : "false");
  }
  void Null(std::string_view key) {
    Item(key);
    out_ << "null";
  }

 private:
  void Item(std::string_view key) {
    if (!empty_.empty()) {
      out_ << (empty_.back() ? "\n" : ",\n") << std::string(2 * empty_.size(), ' ');
      empty_.back() = false;
    }
    if (!key.empty()) {
      Quote(key);
      out_ << ": ";
    }
  }

  // Any byte that is no UTF-8 (a name of this computer may hold one) is U+FFFD.
  void Quote(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    UnicodeCharacter next;
    for (std::size_t i = 0; NextUnicodeCharacter(text, TextEncoding::Utf8, i, next);) {
      const char32_t c = next.c;
      if (c == '"' || c == '\\')
        quoted += {'\\', static_cast<char>(c)};
      else if (c < 0x20)
        quoted += std::string("\\u00") + kHex[c >> 4] + kHex[c & 0xF];
      else
        AppendUtf8(c, quoted);
    }
    out_ << quoted << "\"";
  }

  std::ostream& out_;
  std::vector<bool> empty_;  // per open object or array: nothing in it yet
};

// "run caption" is "runCaption".
std::string FieldKey(std::string_view name) {
  std::string key;
  bool upper = false;
  for (const char c : name) {
    if (c == ' ') {
      upper = true;
      continue;
    }
    key += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    upper = false;
  }
  return key;
}

void WriteMessages(JsonWriter& json, std::string_view key, const std::vector<Message>& messages) {
  json.Begin(key, '[');
  for (const Message& m : messages) {
    json.Begin({}, '{');
    json.String("text", m.text);
    json.String("caption", m.caption);
    json.Number("style", m.style);
    json.String("shown", MessageStyleName(m.style));
    json.End('}');
  }
  json.End(']');
}

void WriteSound(JsonWriter& json, std::string_view key, const std::optional<SoundReport>& sound) {
  if (!sound) {
    json.Null(key);
    return;
  }
  json.Begin(key, '{');
  json.String("file", sound->file);
  json.String("path", sound->path);
  json.Bool("wait", sound->wait);
  json.Bool("exists", sound->exists);
  json.End('}');
}

void WriteAboutView(JsonWriter& json, std::string_view key, const AboutView& view) {
  json.Begin(key, '{');
  json.String("caption", view.caption);
  json.String("file", view.file);
  json.String("notice", view.notice);
  json.End('}');
}

std::string_view SourceName(Description::Source source) {
  switch (source) {
    case Description::Source::File:
      return "file";
    case Description::Source::Notice:
      return "notice";
    case Description::Source::Section:
      return "section";
    case Description::Source::None:
      break;
  }
  return "none";
}

void WriteEntry(JsonWriter& json, const EntryReport& entry) {
  json.Begin({}, '{');
  json.Number("line", entry.line);
  json.String("caption", entry.caption);
  json.Begin("action", '{');
  for (const auto& [name, value] : entry.action)
    json.String(FieldKey(name), value);
  json.End('}');
  json.Begin("description", '{');
  json.String("source", SourceName(entry.description.source));
  json.String("file", entry.description.file);
  json.String("format", entry.description.source != Description::Source::File ? ""
                        : entry.description.richText                          ? "rich text"
                                                                              : "plain text");
  json.String("hint", entry.description.hint);
  json.String("text", entry.description.text);
  json.End('}');
  WriteMessages(json, "messages", entry.messages);
  json.End('}');
}

}  // namespace

void WriteJsonReport(const DiscReport& report, std::ostream& out) {
  JsonWriter json(out);
  json.Begin({}, '{');
  json.String("disc", report.disc);
  json.String("drive", "Q:");
  json.String("program", "Q:\\tolvane.exe");
  json.Begin("parameters", '[');
  for (const std::string& parameter : report.parameters)
    json.String({}, parameter);
  json.End(']');
  json.String("menuFile", report.menuFile);
  json.Bool("windowShown", report.windowShown);
  WriteMessages(json, "startupMessages", report.startupMessages);
  json.Begin("shellCalls", '[');
  for (const ShellCall& call : report.shellCalls) {
    json.Begin({}, '{');
    json.String("verb", call.verb);
    json.String("file", call.file);
    json.String("parameters", call.parameters);
    json.String("directory", call.directory);
    json.Number("result", call.result);
    json.End('}');
  }
  json.End(']');
  if (report.documentNames) {
    json.Begin("documentNames", '[');
    for (const std::string& name : *report.documentNames)
      json.String({}, name);
    json.End(']');
  } else {
    json.Null("documentNames");
  }
  json.Bool("soundList", report.soundListRead);
  WriteSound(json, "startSound", report.startSound);
  WriteSound(json, "aboutSound", report.aboutSound);
  if (report.about) {
    json.Begin("about", '{');
    WriteAboutView(json, "opened", report.about->opened);
    WriteAboutView(json, "afterClick", report.about->afterClick);
    WriteMessages(json, "messages", report.about->messages);
    json.End('}');
  } else {
    json.Null("about");
  }
  json.Begin("entries", '[');
  for (const EntryReport& entry : report.entries)
    WriteEntry(json, entry);
  json.End(']');
  json.Begin("findings", '[');
  for (const Finding& f : report.findings) {
    json.Begin({}, '{');
    json.String("severity", SeverityName(f.severity));
    json.String("file", f.file);
    json.Number("line", f.line);
    json.String("message", f.message);
    json.String("advice", f.advice);
    json.End('}');
  }
  json.End(']');
  json.Number("errors", report.Count(Severity::Error));
  json.Number("warnings", report.Count(Severity::Warning));
  json.Number("notes", report.Count(Severity::Note));
  json.Number("exitStatus", report.ExitStatus());
  json.End('}');
}

}  // namespace tolvane::check

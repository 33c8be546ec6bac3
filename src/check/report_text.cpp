// The report as a person reads it in a terminal.
#include <ostream>

#include "check/report_output.h"
#include "platform/platform.h"

namespace tolvane::check {

namespace {

void WriteMessages(std::ostream& out, const std::vector<Message>& messages,
                   std::string_view indent) {
  for (const Message& m : messages)
    out << indent << "message box \"" << m.text << "\" (caption \"" << m.caption << "\", "
        << MessageStyleName(m.style) << ")\n";
}

std::string SoundText(const SoundReport& sound) {
  return sound.path + (sound.wait ? " (the window waits for it)" : "") +
         (sound.exists ? "" : ", not on the disc");
}

std::string AboutText(const AboutView& view) {
  return "\"" + view.caption + "\" with " +
         (view.file.empty() ? "the notice \"" + view.notice + "\"" : view.file);
}

std::string DescriptionText(const EntryReport& entry) {
  const Description& d = entry.description;
  switch (d.source) {
    case Description::Source::File:
      return d.file + (d.richText ? " (rich text)" : " (plain text)");
    case Description::Source::Notice:
      return "the notice \"" + d.text + "\"";
    case Description::Source::Section:
      if (d.text.empty())
        return "nothing: the /d: document has no section //" + std::to_string(entry.line);
      return "section //" + std::to_string(entry.line) + " of the /d: document, \"" +
             d.text.substr(0, d.text.find('\r')) + "\"" +
             (d.text.find('\r') + 2 < d.text.size() ? " ..." : "");
    case Description::Source::None:
      break;
  }
  return "nothing";
}

void WriteEntry(std::ostream& out, const EntryReport& entry) {
  out << "\n" << entry.line << ". " << entry.caption << "\n";
  for (const auto& [name, value] : entry.action)
    if (!value.empty())
      out << "   " << name << ": " << value << "\n";
  out << "   description: " << DescriptionText(entry) << "\n";
  WriteMessages(out, entry.messages, "   ");
}

void WriteFinding(std::ostream& out, const Finding& f) {
  out << "\n";
  if (!f.file.empty())
    out << f.file << (f.line > 0 ? ":" + std::to_string(f.line) : std::string()) << ": ";
  out << SeverityName(f.severity) << ": " << f.message << "\n";
  if (!f.advice.empty())
    out << "  to do: " << f.advice << "\n";
}

std::string Counted(int count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

void WriteTextReport(const DiscReport& report, std::ostream& out) {
  out << "Disc: " << report.disc
      << ", as the CD-ROM drive Q: with the launcher at Q:\\tolvane.exe\n";
  if (!report.parameters.empty()) {
    out << "Parameters:";
    for (const std::string& p : report.parameters)
      out << " " << p;
    out << "\n";
  }
  if (!report.menuFile.empty())
    out << "Menu file: " << report.menuFile << ", "
        << Counted(static_cast<int>(report.entries.size()), "entry", "entries") << "\n";
  out << "Start-up: "
      << (report.windowShown ? "the window opens"
          : report.shellCalls.empty()
              ? "the launcher ends without a window"
              : "direct-open mode: the launcher opens its targets and ends without a window")
      << (report.startupMessages.empty() ? ", with no message box\n" : "\n");
  WriteMessages(out, report.startupMessages, "  ");
  for (const ShellCall& call : report.shellCalls)
    out << "  opens \"" << call.file << "\""
        << (call.parameters.empty() ? "" : " with \"" + call.parameters + "\"")
        << (call.result > 32 ? "" : ", which is not on the disc") << "\n";
  if (report.documentNames) {
    out << "Description names (txt.kwp):";
    for (const std::string& name : *report.documentNames)
      out << " " << name;
    out << "\n";
  }
  if (report.startSound)
    out << "Start-up sound: " << SoundText(*report.startSound) << "\n";
  if (report.aboutSound)
    out << "About box's sound: " << SoundText(*report.aboutSound) << "\n";
  if (report.about)
    out << "About box: " << AboutText(report.about->opened) << "; a click on the icon shows "
        << AboutText(report.about->afterClick) << "\n";
  if (!report.entries.empty())
    out << "\nEntries:\n";
  for (const EntryReport& entry : report.entries)
    WriteEntry(out, entry);
  // Headed, so that a script can show this part alone.
  if (!report.findings.empty())
    out << "\nFindings:\n";
  for (const Finding& finding : report.findings)
    WriteFinding(out, finding);
  out << "\n"
      << Counted(report.Count(Severity::Error), "error", "errors") << ", "
      << Counted(report.Count(Severity::Warning), "warning", "warnings") << ", "
      << Counted(report.Count(Severity::Note), "note", "notes") << ": exit status "
      << report.ExitStatus() << "\n";
}

std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      return "note";
  }
  return {};
}

std::string MessageStyleName(unsigned style) {
  std::string name;
  switch (style & 0xF0) {
    case mb::kIconHand:
      name = "error icon, ";
      break;
    case mb::kIconExclamation:
      name = "warning icon, ";
      break;
    case mb::kIconInformation:
      name = "information icon, ";
      break;
    default:
      break;
  }
  return name + ((style & 0xF) == mb::kYesNo ? "Yes and No, answered No" : "OK");
}

}  // namespace tolvane::check

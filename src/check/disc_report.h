// check/: the disc checker, a program: the launcher run headless on a disc folder.
//
// What the checker found on a disc: what the launcher shows and does there,
// and what its author should look at. Every text is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvane::check {

enum class Severity { Error, Warning, Note };

struct Finding {
  Severity severity = Severity::Warning;
  std::string file;  // from the disc's root ("Docs/about.rtf"); empty for the disc
  int line = 0;      // from 1; 0 for the whole file
  std::string message;
  std::string advice;  // what to do about it
};

// A message box the launcher shows.
struct Message {
  std::string text;
  std::string caption;
  unsigned style = 0;
};

// A shell call the launcher makes, and what the checker answered.
struct ShellCall {
  std::string verb, file, parameters, directory;
  int result = 0;
};

// What the description pane shows for an entry.
struct Description {
  enum class Source { None, File, Notice, Section };
  Source source = Source::None;
  std::string file;  // the shown file, as the launcher names it
  bool richText = false;
  std::string hint;  // the pane's hint: the file's name as listed
  std::string text;  // the notice, or the section's lines
};

struct EntryReport {
  int line = 0;  // the list's line, from 1
  std::string caption;
  // The fields of what the entry does (kind, folder, file, run, ...), by name.
  std::vector<std::pair<std::string, std::string>> action;
  Description description;
  std::vector<Message> messages;  // shown while the line was selected
};

struct SoundReport {
  std::string file;   // as written
  std::string path;   // as the launcher opens it
  bool wait = false;  // the window waits until it has played
  bool exists = false;
};

// The About box: its caption and text as it opens, and after a click on its icon.
struct AboutView {
  std::string caption;
  std::string file;    // the shown text's file, as the launcher names it
  std::string notice;  // shown instead of a file
};

struct AboutReport {
  AboutView opened;
  AboutView afterClick;
  std::vector<Message> messages;
};

struct DiscReport {
  std::string disc;                     // the folder, as given
  std::vector<std::string> parameters;  // the launcher's
  std::string menuFile;                 // as the launcher names it; empty for none
  bool windowShown = false;
  std::vector<Message> startupMessages;
  std::vector<ShellCall> shellCalls;  // the direct-open mode's
  std::vector<EntryReport> entries;
  std::optional<std::vector<std::string>> documentNames;  // txt.kwp's, when read
  bool soundListRead = false;
  std::optional<SoundReport> startSound;
  std::optional<SoundReport> aboutSound;
  std::optional<AboutReport> about;
  std::vector<Finding> findings;

  int Count(Severity severity) const;
  // 0 clean, 1 with warnings, 2 with errors; notes change nothing.
  int ExitStatus() const;
};

}  // namespace tolvane::check

// Rich text format helpers for the description pane.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// What the system control requires of an RTF document: the "{\rtf" header.
bool IsRtfDocument(std::string_view bytes);

// Prepares hand-written RTF for the system control: every raw double-byte
// character outside "\bin" data becomes "\'hh\'hh", so a trail byte "\", "{" or
// "}" is never read as RTF syntax; a document that names no code page is
// declared code page 932, the code page its raw text is written in.
std::string PrepareRtfForControl(std::string_view rtf);

// The document's text as plain text, paragraphs ending in CR LF. A rough
// reading for when no control renders it: groups, control words, hexadecimal
// escapes and skipped destinations are understood.
std::string RtfPlainText(std::string_view rtf);

}  // namespace tolvane

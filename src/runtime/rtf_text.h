// Rich text format helpers for the description pane.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// What the system control requires of an RTF document: the "{\rtf" header.
bool IsRtfDocument(std::string_view bytes);

// Prepares hand-written RTF for the system control. In a document in code
// page 932 (declared, or named by none) every raw double-byte character
// becomes "\'hh\'hh", so that a trail byte "\", "{" or "}" is never read as
// RTF syntax, and a document that names no code page is declared 932. In a
// document of any other "\ansicpg" each raw byte from 0x80 up becomes its own
// "\'hh". "\bin" data becomes the same data in hexadecimal, as a picture's
// data is written without it.
std::string PrepareRtfForControl(std::string_view rtf);

// The deepest group nesting of a document prepared for the control, as the
// control counts it: braces of control symbols are no groups; an unclosed
// document counts the depth it reaches.
std::size_t RtfGroupDepth(std::string_view preparedRtf);

// The deepest nesting the rich-edit control is known to survive. Wine's
// control keeps a fixed stack of formats: a document whose groups nest 33
// deep (the document's own group included) ends the process inside it, one
// of 32 shows. On Windows untested; a deeper document's text is shown as
// plain text.
inline constexpr std::size_t kMaxRtfGroupDepth = 32;

// The document's text as the system control shows it, paragraphs ending in
// CR LF, in code page 932: groups, skipped destinations, "\par", "\tab" and
// escapes are read. Nothing when the document holds a character that only the
// control can give (one of another code page, a "\u" beyond ASCII, dashes,
// quotes, soft line breaks, tables, pictures, binary data): a reading for the model
// without a control, which must never show what the control would not.
std::optional<std::string> RtfPlainText(std::string_view rtf);

}  // namespace tolvane

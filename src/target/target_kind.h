// What a target names: a power action or another "?" word, an address, a
// program or a document. Menu entries and "/o:" targets are told alike.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

enum class EntryKind {
  Restart,
  Logoff,
  PowerOff,
  InvalidSystemAction,
  WebAddress,
  FileAddress,
  MailAddress,
  FtpAddress,
  Program,
  Document,
};

// "?" words, the five address prefixes (letter case ignored), else a program
// when the file before any "/" has the extension ".exe", else a document.
EntryKind ClassifyTarget(std::string_view target);

bool IsSystemActionKind(EntryKind kind);
bool IsAddressKind(EntryKind kind);
// "ログオフ", "再起動" or "ｼｬｯﾄﾀﾞｳﾝ" for a power action; empty for any other kind.
std::string SystemActionNameOf(EntryKind kind);
// The ExitWindowsEx flags of a power action: log off 0, restart 2, power off
// 9 (shut down and switch off). Never the forcing flag.
unsigned ExitWindowsFlags(EntryKind kind);

// The target's characters before its first "/"; trailing blanks stay.
std::string TargetFileOf(std::string_view target);
// Its characters after the first "/": the first "/" belongs to neither the
// file nor the parameters, later ones are parameters.
std::string TargetParamsOf(std::string_view target);
// The extension, cut to five characters less a fifth that is a blank, is ".exe".
bool IsProgramFile(std::string_view targetFile);

}  // namespace tolvane

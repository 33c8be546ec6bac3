// State that the start-up sequence and the handlers pass to each other.
#pragma once

#include <array>
#include <string>

namespace tolvane {

inline constexpr int kMaxDocumentNames = 100;

// The document-name list "txt.kwp".
struct DocumentNameList {
  std::array<std::string, kMaxDocumentNames> DocumentNames;  // name k at index k - 1
  int DocumentNameCount = 0;
  bool DocumentNamesLoaded = false;
};

// What the last selection (or an "/o:" target) is, and what running it asks for.
struct TargetKindState {
  bool IsSystemAction = false;
  int SystemActionKind = 0;  // 0 none, 1 log off, 2 restart, 3 power off, 9 another "?" word
  std::string SystemActionName;
  bool IsUrlTarget = false;
  bool LogoffRequested = false;
  bool RebootRequested = false;
  bool PowerOffRequested = false;
  bool ForceRequested = false;
  std::string TargetFile;
  bool TargetFileCopying = false;
  std::string TargetParams;
  bool TargetParamsCopying = false;
  std::string UrlToOpen;
};

// The sounds of "sound.kwp", or the default start-up sound.
struct SoundSettings {
  std::string StartSoundFile;
  std::string StartSoundCommand;
  std::string AboutSoundFile;
  std::string AboutSoundCommand;
  bool SoundEnabled = false;
};

}  // namespace tolvane

// The side files beside the menu file: the document-name list "txt.kwp" and
// the sound list "sound.kwp", or a default start-up sound.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "menu/sounds.h"
#include "startup/startup_folders.h"

namespace tolvane {

class Platform;

inline constexpr int kMaxDocumentNames = 100;

// The document-name list "txt.kwp".
struct DocumentNameList {
  std::array<std::string, kMaxDocumentNames> DocumentNames;  // name k at index k - 1
  int DocumentNameCount = 0;
  bool DocumentNamesLoaded = false;
};

// Reads both side files from the menu file's folder, in whichever encoding
// they were saved: a name with a character code page 932 cannot hold names
// no file. A side file that exists but cannot be read is treated as absent.
void ReadSideFiles(Platform& platform, const StartupFolders& folders, DocumentNameList& documents,
                   SoundSettings& sounds);

// One name a line after skipping bytes 0 to 32, each cut at 255 bytes; at most
// 100 names, the rest of the file is ignored.
void ReadDocumentNames(std::string_view bytes, DocumentNameList& documents);

// Groups of four lines: start-up sound, its mode, About sound, its mode. The
// last group counts; a short group empties what it lacks.
void ReadSoundList(std::string_view bytes, const StartupFolders& folders, SoundSettings& sounds);

// "Play File wait" when the line begins with "wait" (letter case ignored),
// else "Play File notify".
std::string PlayCommandFor(std::string_view modeLine);

}  // namespace tolvane

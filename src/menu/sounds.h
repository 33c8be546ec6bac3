// The sound commands: at most one sound is open, under the alias FILE.
#pragma once

#include <string>
#include <string_view>

#include "startup/startup_folders.h"

namespace tolvane {

class Platform;

// The sounds of "sound.kwp", or the default start-up sound.
struct SoundSettings {
  std::string StartSoundFile;
  std::string StartSoundCommand;
  std::string AboutSoundFile;
  std::string AboutSoundCommand;
  bool SoundEnabled = false;
};

// A name with a drive part is used unchanged; any other is taken from the
// menu file's folder.
std::string ResolveSoundPath(std::string_view file, const StartupFolders& folders);
std::string SoundOpenCommand(std::string_view path);

// Opens and plays the start-up sound when there is one; "Play File wait"
// returns only when it has played to its end.
void PlayStartSound(Platform& platform, const StartupFolders& folders, const SoundSettings& sounds);
void CloseSound(Platform& platform);

// The About box's sound in place of the start-up sound while the box is open,
// and the start-up sound again from its beginning when it closes; both only
// when there is an About sound file.
void PlayAboutSound(Platform& platform, const StartupFolders& folders, const SoundSettings& sounds);
void RestoreStartSound(Platform& platform, const StartupFolders& folders,
                       const SoundSettings& sounds);

}  // namespace tolvane

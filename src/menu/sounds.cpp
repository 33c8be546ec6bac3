#include "menu/sounds.h"

#include "platform/platform.h"
#include "runtime/cp932_text.h"

namespace tolvane {

std::string ResolveSoundPath(std::string_view file, const StartupFolders& folders) {
  return HasDrivePart(file) ? std::string(file) : folders.MenuDirSlash + std::string(file);
}

std::string SoundOpenCommand(std::string_view path) {
  return "open \"" + std::string(path) + "\" alias FILE";
}

void PlayStartSound(Platform& platform, const StartupFolders& folders,
                    const SoundSettings& sounds) {
  if (!sounds.SoundEnabled)
    return;
  const std::string path = ResolveSoundPath(sounds.StartSoundFile, folders);
  if (!platform.FileExists(path))
    return;
  platform.SendMciCommand(SoundOpenCommand(path));
  platform.SendMciCommand(sounds.StartSoundCommand);
}

void CloseSound(Platform& platform) {
  platform.SendMciCommand("close FILE");
}

namespace {
bool AboutSoundPresent(Platform& platform, const StartupFolders& folders,
                       const SoundSettings& sounds) {
  return sounds.SoundEnabled &&
         platform.FileExists(ResolveSoundPath(sounds.AboutSoundFile, folders));
}
}  // namespace

void PlayAboutSound(Platform& platform, const StartupFolders& folders,
                    const SoundSettings& sounds) {
  if (!AboutSoundPresent(platform, folders, sounds))
    return;
  // The first open fails while the start-up sound still holds the alias; the
  // close then stops whichever sound has it.
  platform.SendMciCommand(SoundOpenCommand(ResolveSoundPath(sounds.StartSoundFile, folders)));
  platform.SendMciCommand("close File");
  platform.SendMciCommand(SoundOpenCommand(ResolveSoundPath(sounds.AboutSoundFile, folders)));
  platform.SendMciCommand(sounds.AboutSoundCommand);
}

void RestoreStartSound(Platform& platform, const StartupFolders& folders,
                       const SoundSettings& sounds) {
  if (!AboutSoundPresent(platform, folders, sounds))
    return;
  CloseSound(platform);
  platform.SendMciCommand(SoundOpenCommand(ResolveSoundPath(sounds.StartSoundFile, folders)));
  platform.SendMciCommand(sounds.StartSoundCommand);
}

}  // namespace tolvane

#include "menu/side_files.h"

#include "platform/platform.h"
#include "runtime/cp932_text.h"
#include "runtime/text_encoding.h"
#include "runtime/text_reader.h"
#include "startup/placeholders.h"

namespace tolvane {

void ReadDocumentNames(std::string_view bytes, DocumentNameList& documents) {
  TextReader reader(bytes);
  documents.DocumentNameCount = 0;
  while (documents.DocumentNameCount < kMaxDocumentNames && !reader.SkipBlanksToEnd())
    documents.DocumentNames[documents.DocumentNameCount++] = reader.ReadLine(kShortStringMax);
}

std::string PlayCommandFor(std::string_view modeLine) {
  return StartsWithIgnoreCase(modeLine, "wait") ? "Play File wait" : "Play File notify";
}

void ReadSoundList(std::string_view bytes, const StartupFolders& folders, SoundSettings& sounds) {
  TextReader reader(bytes);
  while (!reader.SkipBlanksToEnd()) {
    sounds.StartSoundFile = ExpandMenuPlaceholders(reader.ReadLine(), folders, TextLimit::None);
    sounds.StartSoundCommand = PlayCommandFor(reader.ReadLine());
    sounds.AboutSoundFile = ExpandMenuPlaceholders(reader.ReadLine(), folders, TextLimit::None);
    sounds.AboutSoundCommand = PlayCommandFor(reader.ReadLine());
  }
}

void ReadSideFiles(Platform& platform, const StartupFolders& folders, DocumentNameList& documents,
                   SoundSettings& sounds) {
  const std::string names = folders.MenuDirSlash + "txt.kwp";
  if (platform.FileExists(names)) {
    int error = 0;
    const DecodedText file = ReadTextFile(platform, names, StandIn::Name, error);
    if (error == 0) {
      ReadDocumentNames(file.text, documents);
      documents.DocumentNamesLoaded = true;
    }
  }

  const std::string soundList = folders.MenuDirSlash + "sound.kwp";
  if (platform.FileExists(soundList)) {
    int error = 0;
    const DecodedText file = ReadTextFile(platform, soundList, StandIn::Name, error);
    if (error == 0) {
      ReadSoundList(file.text, folders, sounds);
      sounds.SoundEnabled = true;
      return;
    }
  }
  for (const char* name : {"Autorun.wav", "Autorun.mid"}) {
    if (platform.FileExists(folders.MenuDirSlash + name)) {
      sounds.StartSoundFile = name;
      sounds.StartSoundCommand = "Play File notify";
      sounds.SoundEnabled = true;
      return;
    }
  }
  sounds.SoundEnabled = false;
}

}  // namespace tolvane

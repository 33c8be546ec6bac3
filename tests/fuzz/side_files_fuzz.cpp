// The document-name list and the sound list, in whichever encoding they are:
// at most 100 names, each a short string on one line; the sound commands are
// one of the two play commands.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "menu/side_files.h"
#include "runtime/cp932_table.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string names = input.ConsumeRandomLengthString();
  const std::string soundList = input.ConsumeRemainingBytesAsString();

  DocumentNameList documents;
  ReadDocumentNames(DecodeText(names, BuiltInCp932(), StandIn::Name).text, documents);
  fuzz::Require(documents.DocumentNameCount >= 0 && documents.DocumentNameCount <= 100,
                "at most 100 document names");
  for (int k = 0; k < documents.DocumentNameCount; ++k)
    fuzz::RequireField(documents.DocumentNames[k], "a document name is a short string on one line");

  SoundSettings sounds;
  ReadSoundList(DecodeText(soundList, BuiltInCp932(), StandIn::Name).text, fuzz::SampleFolders(),
                sounds);
  for (const std::string* command : {&sounds.StartSoundCommand, &sounds.AboutSoundCommand})
    fuzz::Require(
        command->empty() || *command == "Play File wait" || *command == "Play File notify",
        "a sound command is a play command");
  for (const std::string* file : {&sounds.StartSoundFile, &sounds.AboutSoundFile})
    fuzz::Require(!fuzz::HasLineBreak(*file), "a sound file name is one line");
  return 0;
}

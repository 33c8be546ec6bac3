// The code page 932 helpers against what they promise: a found token begins
// on a character, a path splits into its folder and name at a delimiter that
// stands as a character, letter case folds only single-byte letters.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "runtime/cp932_text.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string token = input.ConsumeRandomLengthString(8);
  const std::string path = input.ConsumeRemainingBytesAsString();

  const std::size_t found = FindIgnoreCase(path, token);
  if (found != std::string::npos) {
    fuzz::Require(IsCharStart(path, found), "a match begins on a character");
    fuzz::Require(EqualsIgnoreCase(path.substr(found, token.size()), token),
                  "a match equals the token");
  }
  fuzz::Require(EqualsIgnoreCase(path, path), "a text equals itself");

  const std::size_t last = LastPathDelimiter(path);
  if (last == std::string::npos) {
    fuzz::Require(FileNamePart(path) == path && FolderPart(path).empty(),
                  "no delimiter: all of it is the name");
  } else {
    fuzz::Require(IsCharStart(path, last), "a delimiter stands as a character");
    fuzz::Require(FileNamePart(path) == path.substr(last + 1), "the name follows the delimiter");
    const std::string folder = FolderPart(path);
    fuzz::Require(path.compare(0, folder.size(), folder) == 0 && folder.size() <= last + 1,
                  "the folder is what precedes the delimiter");
  }
  const std::string extension = ExtensionPart(path);
  fuzz::Require(extension.empty() || (extension[0] == '.' && path.ends_with(extension)),
                "an extension is the end of the path from a dot");

  const std::string trimmed = RemoveTrailingBackslash(path);
  fuzz::Require(!EndsWithBackslash(trimmed) || EndsWithBackslash(path),
                "one trailing backslash is removed");
  // A lead byte at the end stands alone only while it is last: the added
  // backslash becomes its trail byte. No folder name ends so in code page 932.
  if (path.empty() || !IsLeadByte(static_cast<unsigned char>(path.back())) ||
      !IsCharStart(path, path.size() - 1))
    fuzz::Require(EndsWithBackslash(AddTrailingBackslash(path)), "a trailing backslash is added");
  fuzz::Require(ShortString(path).size() <= 255, "a short string keeps 255 bytes");
  return 0;
}

#include "startup/placeholders.h"

#include <array>
#include <utility>

#include "runtime/cp932_text.h"

namespace tolvane {

namespace {

enum class Occurrences { Every, FirstOnly };

// Replaced text is never searched again: the scan goes on behind the token in
// the text as it was.
std::string Replace(std::string_view text, std::string_view token, std::string_view value,
                    Occurrences occurrences) {
  std::string result;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = FindIgnoreCase(text, token, from);
    if (at == std::string_view::npos)
      break;
    result.append(text.substr(from, at - from)).append(value);
    from = at + token.size();
    if (occurrences == Occurrences::FirstOnly)
      break;
  }
  result.append(text.substr(from));
  return result;
}

using Substitution = std::pair<const char*, const std::string*>;

std::array<Substitution, 7> MenuSet(const StartupFolders& f) {
  return {{{"%ProgramFiles%", &f.ProgramFilesDir},
           {"%WindowsDir%", &f.WindowsDir},
           {"%SystemDir%", &f.SystemDir},
           {"%TempDir%", &f.TempDir},
           {"%Root%", &f.RootDrive},
           {"%ApplicationDir%", &f.ApplicationDir},
           {"%KwtFileDir%", &f.MenuDir}}};
}

}  // namespace

std::string ExpandMenuPlaceholders(std::string_view text, const StartupFolders& folders,
                                   TextLimit limit) {
  std::string result(text);
  for (const auto& [token, value] : MenuSet(folders)) {
    result = Replace(result, token, *value, Occurrences::Every);
    if (limit == TextLimit::ShortString)
      result = ShortString(result);
  }
  return result;
}

std::string ExpandOpenPlaceholders(std::string_view text, const StartupFolders& folders) {
  std::string result(text);
  const auto set = MenuSet(folders);
  for (std::size_t i = 0; i < 5; ++i)
    result = Replace(result, set[i].first, *set[i].second, Occurrences::FirstOnly);
  return result;
}

FileAndParams SplitAtParam(std::string_view text) {
  constexpr std::string_view kToken = "%param%";
  const std::size_t at = FindIgnoreCase(text, kToken);
  if (at == std::string_view::npos)
    return {std::string(text), {}};
  return {std::string(text.substr(0, at == 0 ? 0 : at - 1)),
          std::string(text.substr(at + kToken.size()))};
}

}  // namespace tolvane

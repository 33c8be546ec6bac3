// The description pane: the entry's section of a combined document, the first
// listed document found in its folder, "readme.txt", or a red notice.
#include "autorun1/combined_document.h"
#include "autorun1/form1.h"
#include "platform/platform.h"
#include "runtime/runtime_error.h"
#include "runtime/text_lines.h"

namespace tolvane {

namespace {

constexpr const char* kDefaultDocument = "readme.txt";

// Entry n's section of a combined document, its lines ending in CR LF.
std::string SectionText(const std::vector<std::string>& lines, int n) {
  std::string section;
  for (const std::string& line : CombinedDocumentSection(lines, n))
    section.append(line).append("\r\n");
  return section;
}

}  // namespace

void TForm1::ResetDescriptionPane() {
  RichEdit1.Clear();
  RichEdit1.SetText("Loading... ");
  RichEdit1.SetHint("");
  RichEdit1.SetFont(Font{"ＭＳ ゴシック", 12, kShiftJisCharset, kColorWindowText});
}

void TForm1::SetPaneColor(Color color) {
  Font font = RichEdit1.GetFont();
  font.color = color;
  RichEdit1.SetFont(font);
}

bool TForm1::LoadDescription(int n, bool& documentReported) {
  if (DocOptionActive) {
    RichEdit1.Clear();
    try {
      // The section is set in one go: adding it line by line would re-read
      // and re-show the whole pane for every line. Of a document saved as
      // Unicode the pane shows the same section of its own text (headings
      // are ASCII: the same lines), every character.
      const std::string& unicode = RichEdit2.UnicodeText();
      RichEdit1.SetUnicodeText(
          SectionText(RichEdit2.Lines(), n),
          unicode.empty() ? std::string() : SectionText(SplitTextLines(unicode), n));
    } catch (const std::exception&) {
      platform().MessageBox("ユーザドキュメントの読み込み中にエラーが発生しました", "エラー",
                            mb::kOk | mb::kIconHand);
    }
    return true;
  }

  if (Documents.DocumentNamesLoaded) {
    if (!CheckBox2.Checked()) {
      RichEdit1.Clear();
      if (!KeepsSelection())
        return false;
      DocumentPending = false;
    } else {
      for (int k = 1; k <= Documents.DocumentNameCount; ++k) {
        const std::string& name = Documents.DocumentNames[k - 1];
        if (platform().FileExists(Action.folder + "\\" + name) && DocumentPending) {
          if (!ShowDocumentFile(Action.folder + "\\" + name, false))
            return false;
          RichEdit1.SetHint(name);
        }
      }
    }
  }

  if (!DocumentPending)
    return true;
  if (!CheckBox2.Checked()) {
    RichEdit1.Clear();
    return KeepsSelection();
  }
  const std::string readme = Action.folder + "\\" + kDefaultDocument;
  if (platform().FileExists(readme)) {
    if (!ShowDocumentFile(readme, true))
      return false;
    RichEdit1.SetHint(kDefaultDocument);
  } else {
    ShowNoDocumentNotice(documentReported);
  }
  return true;
}

void TForm1::ShowNoDocumentNotice(bool& documentReported) {
  SetPaneColor(kColorRed);
  RichEdit1.SetText("ドキュメントは存在しません");
  documentReported = false;
}

bool TForm1::DescribeEntry(int n, bool& documentReported) {
  try {
    return LoadDescription(n, documentReported);
  } catch (const InOutError& error) {
    // A description that cannot be read is reported; the entry's own
    // buttons and notices then follow as if it had none, so that they are
    // never those of the line selected before.
    const unsigned generation = selectionGeneration_;
    App().ShowError(error);
    if (generation != selectionGeneration_ || Closed())
      return false;
    ShowNoDocumentNotice(documentReported);
    return true;
  }
}

bool TForm1::ShowDocumentFile(const std::string& path, bool clearFirst) {
  // "Loading... " repaints dimmed while the file loads.
  SetPaneColor(kColorInactiveCaption);
  if (!KeepsSelection())
    return false;
  SetPaneColor(kColorWindowText);
  if (clearFirst)
    RichEdit1.Clear();
  FileContent file = platform().ReadFile(path);
  if (file.error != 0)
    throw InOutError(file.error);
  RichEdit1.LoadDocument(std::move(file.bytes), platform().Cp932());
  DocumentPending = false;
  return true;
}

}  // namespace tolvane

#include "extract/extract_command.h"

#include "app/message_box.h"
#include "extract/fetch_page.h"
#include "extract/search_pattern.h"
#include "regex/regex_object.h"

namespace {

constexpr char kMp3Head[] = "http://" VELMORA_MP3_HOST "/mp3";
constexpr char kMixHead[] = "http://" VELMORA_MIX_HOST "/mix";
constexpr char kMp3Suffix[] = ".mp3";
constexpr char kM4aSuffix[] = ".m4a";
constexpr char kLineEnd[] = "\r\n";

// Each value is appended before the next one is asked for.
void AppendMatch(WindowServices& window, RegexObject& search, int index) {
  window.AppendEditText(Control::编辑框2, search.SubMatchText(index, 1));
  window.AppendEditText(Control::编辑框3,
                        JoinTexts({kMp3Head, search.SubMatchText(index, 2), kMp3Suffix, kLineEnd}));
  window.AppendEditText(Control::编辑框4,
                        JoinTexts({kMixHead, search.SubMatchText(index, 2), kM4aSuffix, kLineEnd}));
}

}  // namespace

void ExtractDownloadAddresses(const CommandContext& context) {
  WindowServices& window = context.window;
  RegexObject search(context.makeEngine);
  // The run goes on after the message: the empty address then finds no page.
  if (window.ReadControlText(Control::编辑框1) == "")
    window.ShowMessageBox("请输入播放页面的网址！", kMbOk);
  window.FocusControl(Control::编辑框1);
  const Text page =
      FetchPage(window, context.makeRequest, window.ReadControlText(Control::编辑框1));
  search.Create(kSearchPattern, page);
  const int count = search.MatchCount();
  // Counting from 0 keeps the loop defined up to a count of INT_MAX, where
  // "index <= count" would overflow.
  for (int index = 0; index < count; ++index) AppendMatch(window, search, index + 1);
  search.Destroy();
}

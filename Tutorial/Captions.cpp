#include "Tutorial/Captions.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "Tutorial/Skin.h"
#include "platform/os/error.h"
#include "platform/os/resources.h"
#include "platform/os/sound_device.h"
#include "platform/ui/canvas.h"

namespace tutorial {
namespace {

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

}  // namespace

NarrationWords NarrationWords::Parse(std::string_view text) {
  NarrationWords table;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;  // not a table line: nothing to show for it
    const std::string_view name = Trimmed(line.substr(0, tab));
    const std::string_view words = Trimmed(line.substr(tab + 1));
    if (!name.empty() && !words.empty()) table.words_[Lowered(name)] = std::string(words);
  }
  return table;
}

const std::string& NarrationWords::Of(std::string_view fileName) const {
  static const std::string none;
  const auto it = words_.find(Lowered(fileName));
  return it == words_.end() ? none : it->second;
}

const NarrationWords& ShippedNarrationWords() {
  // Kept once read; a failed read is tried again next time instead of leaving captions blank
  // for the library's life.
  static NarrationWords table;
  static bool loaded = false;
  if (!loaded) {
    try {
      const std::vector<uint8_t> bytes = os::LoadResource("narration.txt");
      table = NarrationWords::Parse(
          std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
      loaded = true;
    } catch (...) {
      // No table: the strip stays empty, the narration goes on.
    }
  }
  return table;
}

bool ReadCaptionsSetting(os::RegistryKey& key, bool narrationMuted) {
  try {
    if (const auto value = key.ReadString(kNarrationCaptionsValue); value && !value->empty())
      return *value == "1";
  } catch (const os::RegistryTypeError&) {
    // Our own setting: a value of another type counts as absent and is rewritten on a toggle.
  }
  return narrationMuted || os::ScreenReaderActive();
}

void TCaptionStrip::SetCaptionsOn(bool on) {
  on_ = on;
  UpdateVisible();
}

void TCaptionStrip::SetWords(std::string words) {
  if (words == words_) return;
  words_ = std::move(words);
  UpdateVisible();
  Invalidate();
}

void TCaptionStrip::UpdateVisible() { SetVisible(on_ && !words_.empty()); }

void TCaptionStrip::Paint(ui::Canvas& canvas) const {
  const ui::Rect band = ui::Rect::FromBounds(0, 0, Width(), Height());
  canvas.RoundRect(band, 8, 8, {skin::kCaptionBorder, 1}, {skin::kCaptionBand});
  const ui::Rect box{6, 4, Width() - 6, Height() - 4};
  const unsigned flags = ui::tfWordBreak | ui::tfCenter | ui::tfNoPrefix;
  // The longest narrations need four lines at the strip's size: they get a smaller font
  // rather than losing their end.
  ui::Font font = skin::CaptionText();
  ui::Size used = canvas.MeasureText(words_, font, flags, box.Width());
  for (int smaller = 0; smaller < 2 && used.height > box.Height(); ++smaller) {
    --font.height;
    used = canvas.MeasureText(words_, font, flags, box.Width());
  }
  // Centred vertically: short narrations sit in the middle of the band.
  const int top = box.top + std::max(0, (box.Height() - used.height) / 2);
  canvas.DrawText(words_, {box.left, top, box.right, box.bottom}, font, flags);
}

}  // namespace tutorial

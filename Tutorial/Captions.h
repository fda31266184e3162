#pragma once
// Narration captions: the words of the narration file that plays, in a strip over the free
// middle of the navigation bar, for users who cannot hear it or have muted it.
#include <map>
#include <string>
#include <string_view>

#include "platform/os/registry.h"
#include "platform/ui/control.h"

namespace tutorial {

// The "Tutorial" sub-key's caption switch: "1" shown, "0" hidden, absent: the default.
inline constexpr const char* kNarrationCaptionsValue = "NarrationCaptions";

// The words of every narration file: lines "name<TAB>words"; '#' starts a comment line.
class NarrationWords {
 public:
  static NarrationWords Parse(std::string_view text);
  // The words of a bare file name ("open.wav"), whatever its case; empty when unknown.
  const std::string& Of(std::string_view fileName) const;
  size_t Size() const { return words_.size(); }

 private:
  std::map<std::string, std::string> words_;  // by lowered file name
};

// The table shipped in the library's resources ("narration.txt"), read on first use; an
// empty table when it is missing (captions then stay blank, narration goes on).
const NarrationWords& ShippedNarrationWords();

// The stored switch; without one (or with a value of another type), captions are on when the
// system reports a screen reader or the narration is muted.
bool ReadCaptionsSetting(os::RegistryKey& key, bool narrationMuted);

class TCaptionStrip : public ui::Control {
 public:
  using ui::Control::Control;

  bool CaptionsOn() const { return on_; }
  void SetCaptionsOn(bool on);
  const std::string& Words() const { return words_; }
  // The words shown while captions are on; empty hides the strip.
  void SetWords(std::string words);

  void Paint(ui::Canvas& canvas) const override;

 private:
  void UpdateVisible();

  bool on_ = false;
  std::string words_;
};

}  // namespace tutorial

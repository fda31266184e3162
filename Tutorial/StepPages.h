#pragma once
// The page class of each step, 1 to 21.
#include <array>
#include <memory>

namespace tutorial {

class TfmContentSheet;
class TfmMain;

inline constexpr int kStepCount = 21;

using PageFactory = std::unique_ptr<TfmContentSheet> (*)(TfmMain& owner);
// Indexed by step - 1.
const std::array<PageFactory, kStepCount>& StepPages();

}  // namespace tutorial

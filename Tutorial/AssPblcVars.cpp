#include "Tutorial/AssPblcVars.h"

namespace tutorial {

std::string& SoundFolder() {
  static std::string folder;
  return folder;
}

}  // namespace tutorial

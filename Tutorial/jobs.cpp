#include "Tutorial/jobs.h"

namespace tutorial {

TfmJobs::TfmJobs(TfmMain& owner) : TfmContentSheet(owner) {
  AddTitle("Jobs");
}

}  // namespace tutorial

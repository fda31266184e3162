#include "Tutorial/jobs.h"

#include "Tutorial/Skin.h"
#include "platform/ui/label.h"

namespace tutorial {
namespace {

const HostWindowValues kJobs = {
    .task = 15,
    .stepLabel = "(10)",
    .stepPlace = At(12, 60, 22, 16),
    .window = WindowKind<host::IJobsForm, &host::IXMainForm::GetJobsForm>(),
    .unit = "Tutorial\\jobs",
    .line = 55,
    .narration = "31.wav",
    .voiceTag = 16,
    .voicePlace = At(239, 175, 30, 23),
    .mark = "Mark16",
    .markPlace = At(35, 60, 17, 16),
    .actionName = "acStart",
    .actionCaption = "&Jobs",
    .buttonCaption = "  &Jobs",
    .imageIndex = 7,
    .buttonPlace = At(182, 261, 113, 49),
    .title = {"Label2", At(36, 24, 400, 23), "Jobs."},
    .paragraphs =
        {
            {"Label4", At(56, 60, 351, 66),
             "Jobs, or cost centers, are used to group several, related transactions to be able "
             "to estimate their cost and/or revenue. For example, if you are a contracting "
             "company, then you can create every project you take as a job. "},
            {"Label1", At(56, 128, 358, 66),
             "All purchases, payroll and sales invoices made for that project will hold this "
             "job code. Then later on, you can know how much profit you made with this project. "
             "If you are not interested in jobs, you can skip this section."},
        },
};

}  // namespace

TfmJobs::TfmJobs(TfmMain& owner) : THostWindowPage(owner, kJobs) {
  // The step label and paragraphs paint on the page colour instead of showing through.
  for (const char* name : {"Label11", "Label4", "Label1"}) {
    auto* label = Find<ui::Label>(name);
    label->SetTransparent(false);
    label->SetColor(skin::kPageColor);
  }
}

}  // namespace tutorial

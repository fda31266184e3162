#include "Tutorial/Emp.h"

namespace tutorial {
namespace {

const HostWindowValues kEmployee = {
    .task = 12,
    .stepLabel = "(7)",
    .stepPlace = At(12, 60, 15, 16),
    .window = WindowKind<host::IEmployeesForm, &host::IXMainForm::GetEmployeesForm>(),
    .unit = "Tutorial\\Emp",
    .line = 56,
    .narration = "22.wav",
    .voiceTag = 13,
    .voicePlace = At(393, 192, 32, 32),
    .mark = "Mark13",
    .markPlace = At(28, 61, 17, 16),
    .actionName = "acStart",
    .actionCaption = "&Employees",
    .buttonCaption = "  &Employees",
    .imageIndex = 4,
    .buttonPlace = At(182, 261, 143, 47),
    .title = {"Label2", At(36, 24, 400, 23), "it's time to enter your employees. "},
    .paragraphs =
        {
            {"Label4", At(54, 60, 329, 84),
             "Some sections, which follow this one, will refer to employees as reference. For "
             "example, you can assign a sales representative for every customer, or a "
             "supervisor for every job. You can also enter payroll information for every "
             "employee in this section."},
            {"Label1", At(54, 146, 329, 84),
             "If you're not ready for this, you can just skip this section. To open the "
             "employees' window, click on the \"Employees\" button. "},
            {"Label3", At(56, 198, 344, 18),
             "For details about the employees' window, click F1 for help."},
        },
};

}  // namespace

TfmEmployee::TfmEmployee(TfmMain& owner) : THostWindowPage(owner, kEmployee) {}

}  // namespace tutorial

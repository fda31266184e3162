#include "Tutorial/Cust.h"

namespace tutorial {
namespace {

const HostWindowValues kCustomers = {
    .task = 13,
    .stepLabel = "(8)",
    .stepPlace = At(12, 60, 15, 16),
    .window = WindowKind<host::ICustomerForm, &host::IXMainForm::GetCustomerForm>(),
    .unit = "Tutorial\\Cust",
    .line = 57,
    .narration = "23.wav",
    .voiceTag = 14,
    .voicePlace = At(383, 175, 33, 32),
    .mark = "Mark14",
    .markPlace = At(28, 61, 17, 16),
    .actionName = "acStart",
    .actionCaption = "&Customers",
    .buttonCaption = " &Customers",
    .imageIndex = 3,
    .buttonPlace = At(182, 261, 139, 47),
    .title = {"Label2", At(36, 24, 400, 23), "it's time to enter your customers"},
    .paragraphs =
        {
            {"Label4", At(46, 60, 340, 75),
             "Customers or \"clients\", are people you usually sell, either goods or services. "
             "Many trading companies keep customer records. Others, like charity organizations, "
             "don't. If you don't sell things, then you can skip this section."},
            {"Label1", At(46, 129, 352, 68),
             "Click on the \"Customers\" button to open the customer's window.  A customer must "
             "have at least a code, a name and an account number. "},
            {"Label3", At(46, 181, 344, 18),
             "For details about the customer's window, click F1 for help."},
        },
};

}  // namespace

TfmCustomers::TfmCustomers(TfmMain& owner) : THostWindowPage(owner, kCustomers) {}

}  // namespace tutorial

#include "Tutorial/AcctOpen.h"

#include <cstdio>
#include <optional>
#include <string>

#include "Tutorial/AssMesages.h"
#include "Tutorial/dmMain.h"
#include "platform/com/variant.h"
#include "platform/ui/errors.h"

namespace tutorial {
namespace {

const HostWindowValues kAcctOpen = {
    .task = 18,
    .stepLabel = "(19)",
    .stepPlace = At(12, 58, 22, 16),
    .window = WindowKind<host::IJVForm, &host::IXMainForm::GetJVForm>(),
    .unit = "Tutorial\\AcctOpen",
    .line = 52,
    .narration = nullptr,
    .voiceTag = 19,
    .voicePlace = At(170, 64, 22, 32),
    .mark = "Mark19",
    .markPlace = At(35, 60, 17, 16),
    .actionName = "acAcctOpening",
    .actionCaption = "&Accounts Opening",
    .buttonCaption = nullptr,
    .imageIndex = 58,
    .buttonPlace = At(72, 187, 330, 34),
    .title = {"Label2", At(36, 24, 300, 23), "Accounts Opening"},
    .paragraphs = {{"Label4", At(53, 60, 329, 91), "Accounts Opening"}},
};

}  // namespace

TfmAcctOpen::TfmAcctOpen(TfmMain& owner) : TOpeningPage(owner, kAcctOpen) {}

// The voucher window opens on a new voucher dated 1 January of the fiscal year. The date is
// formed before the host is asked for anything, so a year that forms no date leaves no
// empty voucher behind.
void TfmAcctOpen::BeforeShowing() {
  const int32_t year = MainData().Company.FieldByName("FiscYear").AsInteger();
  const std::optional<double> newYear = com::AutomationDate(year, 1, 1);
  if (!newYear) {
    char text[160];
    std::snprintf(text, sizeof text, SFiscalYearFormsNoDate, int(year));
    throw ui::Error(text);
  }
  host::Table& vouchers = GetFormTable();
  vouchers.SetActive(true);
  vouchers.Append();
  vouchers.FieldByName("TRNSDATE").SetValue(com::Variant::Date(*newYear));
}

}  // namespace tutorial

// Arbitrary bytes loaded as the Company table file. The loader must refuse what it cannot read
// with DataError and never crash, leak or hang; what it accepts must be written back and read
// again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Tutorial/dmMain.h"
#include "platform/data/data_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static const data::FieldDefs kCompany = tutorial::CompanyFields();
  data::Table table("Company", kCompany);
  try {
    table.OpenFromData(std::string_view(reinterpret_cast<const char*>(bytes), size));
  } catch (const data::DataError&) {
    return 0;
  }
  const std::string written = table.SaveToData();
  data::Table again("Company", kCompany);
  again.OpenFromData(written);
  if (again.SaveToData() != written || again.RecordCount() != table.RecordCount()) std::abort();
  return 0;
}

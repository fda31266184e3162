#pragma once
// Creating a company: the sample company copied to the new path, then the new company's
// details stored in it. Either the whole company is there afterwards or no file at all.
#include "demohost/settings_text.h"

namespace demohost {

// Throws HostError with the reason (missing source, existing target, folder missing or not
// writable, a source that is no company database); leaves no file behind when it throws.
void CreateCompanyFile(const CompanyRequest& request);

// True when the file is a company database holding the company named in the request.
bool HoldsCompany(const std::string& path, const CompanyRequest& request);

}  // namespace demohost

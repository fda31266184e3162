#pragma once
// The host's window for one table: a list of its records (one tab per page of the design)
// with Add, Edit, Delete and Close; Add and Edit open the record form. Shown modally.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "demohost/database.h"
#include "demohost/schema.h"

namespace demohost {

struct ListScope {
  std::string caption;  // empty: the design's
  // Only the records with these values, and new records get them.
  std::vector<std::pair<std::string, Value>> fixed;
  bool canAddDelete = true;
};

// Returns when the user has closed the window. `page` is one of the design's page names.
void ShowRecordList(HWND owner, const std::shared_ptr<Database>& db, const WindowDesign& design,
                    const ListScope& scope, const std::string& page);

// The index of the named page (any letter case), or -1.
int FindPage(const WindowDesign& design, const std::string& page);

}  // namespace demohost

#include "demohost/faults.h"

#include <cstdlib>

#include "demohost/host_error.h"

namespace demohost {

namespace {

const char* const kOperations[] = {
    "OpenCompany", "CreateCompany", "ShowDefaultAccounts", "GetStockForm", "GetJobsForm",
    "GetEmployeesForm", "GetAccountsForm", "GetCustomerForm", "GetJVForm", "GetCurrencyForm",
    "GetVendorForm", "GetBankForm", "GetLocationForm", "ShowModal", "GetTable", "ShowPage",
    "CommitChanges", "RollbackChanges", "SetActive", "Locate", "FieldByName", "Append", "Edit",
    "Post", "GetValue", "SetValue", "QueryCurrentDatabase"};

bool Known(const std::string& op) {
  for (const char* k : kOperations)
    if (op == k) return true;
  return false;
}

bool IsWindowGetter(const std::string& op) {
  return op.size() > 7 && op.compare(0, 3, "Get") == 0 && op.compare(op.size() - 4, 4, "Form") == 0;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

Faults g_faults;

}  // namespace

Faults Faults::Parse(const std::string& text) {
  Faults faults;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    const std::string rule = Trim(text.substr(start, end - start));
    start = end + 1;
    if (rule.empty()) continue;
    const auto bad = [&](const std::string& why) {
      return HostError("DEMOHOST_FAULTS: \"" + rule + "\" " + why + ".");
    };
    const size_t eq = rule.find('=');
    if (eq == std::string::npos) throw bad("is not Operation=action");
    std::string op = Trim(rule.substr(0, eq));
    const std::string action = Trim(rule.substr(eq + 1));
    int call = 0;
    if (const size_t hash = op.find('#'); hash != std::string::npos) {
      char* stop = nullptr;
      const std::string number = op.substr(hash + 1);
      const long n = std::strtol(number.c_str(), &stop, 10);
      if (number.empty() || *stop || n < 1) throw bad("has no call number from 1 up after '#'");
      call = int(n);
      op = Trim(op.substr(0, hash));
    }
    if (!Known(op)) throw bad("names no host operation");
    Fault fault{Fault::Kind::Fail, {}};
    if (action.compare(0, 5, "fail:") == 0 && action.size() > 5) {
      fault.text = action.substr(5);
      if (op == "QueryCurrentDatabase") throw bad("cannot fail a message; use none");
    } else if (action == "nowindow") {
      if (!IsWindowGetter(op)) throw bad("uses nowindow on an operation that returns no window");
      fault.kind = Fault::Kind::NoWindow;
    } else if (action == "notcreated") {
      if (op != "CreateCompany") throw bad("uses notcreated on an operation other than CreateCompany");
      fault.kind = Fault::Kind::NotCreated;
    } else if (action == "none") {
      if (op != "QueryCurrentDatabase") throw bad("uses none on an operation other than QueryCurrentDatabase");
      fault.kind = Fault::Kind::NoAnswer;
    } else {
      throw bad("has no action fail:TEXT, nowindow, notcreated or none");
    }
    faults.rules_.push_back({op, call, fault});
  }
  return faults;
}

std::optional<Fault> Faults::Next(const std::string& operation) {
  if (rules_.empty()) return std::nullopt;
  const int call = ++calls_[operation];
  for (const Rule& r : rules_)
    if (r.operation == operation && (r.call == 0 || r.call == call)) return r.fault;
  return std::nullopt;
}

Faults& ActiveFaults() { return g_faults; }

namespace {
std::optional<Fault> g_injected;
}  // namespace

InjectedScope::InjectedScope(std::optional<Fault> fault) : saved_(std::move(g_injected)) {
  g_injected = std::move(fault);
}
InjectedScope::~InjectedScope() { g_injected = std::move(saved_); }

bool Injected(Fault::Kind kind) { return g_injected && g_injected->kind == kind; }

void LoadFaultsFromEnvironment() {
  const char* text = std::getenv("DEMOHOST_FAULTS");
  g_faults = text ? Faults::Parse(text) : Faults();
}

}  // namespace demohost

#pragma once
// Fault injection for the tests, off unless DEMOHOST_FAULTS is set:
//   DEMOHOST_FAULTS="Operation[#n]=action;..."
// Operation is a host call by its interface name (CreateCompany, GetVendorForm, Post, ...,
// or QueryCurrentDatabase for the current-database message); #n limits the rule to the n-th
// call of that operation (counted from 1, over the whole run), otherwise every call fails.
// Actions: fail:TEXT (the call fails with that error text), nowindow (a window getter
// succeeds but returns no window), notcreated (CreateCompany succeeds but reports the company
// not created, and creates nothing), none (the current-database message is not answered).
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace demohost {

struct Fault {
  enum class Kind { Fail, NoWindow, NotCreated, NoAnswer };
  Kind kind;
  std::string text;
};

class Faults {
 public:
  // Throws HostError describing the first rule that is not understood.
  static Faults Parse(const std::string& rules);
  // Counts one call of the operation and returns the fault to inject into it, if any.
  std::optional<Fault> Next(const std::string& operation);
  bool Empty() const { return rules_.empty(); }

 private:
  struct Rule {
    std::string operation;
    int call;  // 0: every call
    Fault fault;
  };
  std::vector<Rule> rules_;
  std::map<std::string, int> calls_;
};

// The fault injected into the call in progress, for the kinds the call itself carries out
// (no window, not created).
bool Injected(Fault::Kind kind);

class InjectedScope {
 public:
  explicit InjectedScope(std::optional<Fault> fault);
  ~InjectedScope();

 private:
  std::optional<Fault> saved_;
};

// The faults of this process, read from DEMOHOST_FAULTS by LoadFaultsFromEnvironment.
Faults& ActiveFaults();
// Throws HostError when the variable is set but malformed.
void LoadFaultsFromEnvironment();

}  // namespace demohost

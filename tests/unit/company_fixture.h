#pragma once
// A wizard window whose host creates and opens companies, answers the current-database
// message through the headless backend, and has a currency window.
#include <fstream>
#include <string>

#include "Tutorial/dmMain.h"
#include "platform/data/ensure_edit_mode.h"
#include "tests/unit/fake_currency_host.h"
#include "tests/unit/wizard_fixture.h"

class CompanyTest : public WizardTest {
 protected:
  CompanyTest() {
    backend.OnHostMessage = [this](void* target, unsigned message, uintptr_t cell,
                                   intptr_t lparam) -> intptr_t {
      if (target != &hostWindow || message != host::kQueryCurrentDatabase || lparam != 0 ||
          !answersQuery)
        return 0;
      connection.AddRef();  // the caller's reference
      *reinterpret_cast<host::IZndrConnection**>(cell) = &connection;
      return 1;
    };
  }
  // The window holds references into the host: it goes first.
  ~CompanyTest() override { window.reset(); }

  tutorial::TfmMain& OpenWithHost() {
    Open();
    host::TZndrAppData data{};
    data.HostApplication = &hostApp;
    data.MainForm = &mainForm;
    window->SetAppData(data);
    return *window;
  }

  std::string MakeFile(const std::string& name, const std::string& content = "sample") {
    const std::string path = (folder / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  // The record the creation pages would have collected; the host has it open already.
  void EnterCompany(const std::string& path) {
    data::Table& company = window->MainData().Company;
    data::EnsureEditMode(company);
    company.FieldByName("Path").SetAsString(path);
    company.FieldByName("Name1").SetAsString("Acme");
    company.FieldByName("Name2").SetAsString("Acme Two");
    company.FieldByName("City").SetAsString("Beirut");
    company.FieldByName("State").SetAsString("BL");
    company.FieldByName("Phone1").SetAsString("111");
    company.FieldByName("Phone2").SetAsString("222");
    company.FieldByName("FiscYear").SetAsInteger(2026);
    company.FieldByName("nbPeriods").SetAsInteger(12);
    connection.databaseName = path;
  }

  int hostWindow = 0;
  host::TZndrHostApplication hostApp{nullptr, &hostWindow};
  fake::CompanyHost mainForm;
  FakeHostLog connectionLog{mainForm.calls};
  fake::Connection connection{connectionLog};
  bool answersQuery = true;
};

#pragma once
// The answer to the current-database message: the database's file name and whether the
// host still has it open as its current company.
#include <memory>
#include <string>

#include "Tutorial/host/Zendri_TLB.h"
#include "demohost/com_object.h"
#include "demohost/company_session.h"

namespace demohost {

class ConnectionObj : public ComObject<host::IZndrConnection> {
 public:
  explicit ConnectionObj(const CompanySession& session);

  HRESULT STDMETHODCALLTYPE GetDatabaseName(BSTR* fileName) override;
  HRESULT STDMETHODCALLTYPE GetConnected(VARIANT_BOOL* connected) override;

 private:
  const CompanySession& session_;
  std::weak_ptr<Database> db_;
  std::string path_;
};

// Handles the message: stores a new connection into the cell and returns non-zero, or
// returns 0 (an injected fault) and leaves the cell alone.
LRESULT AnswerCurrentDatabase(const CompanySession& session, WPARAM cell);

}  // namespace demohost

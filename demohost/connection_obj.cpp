#include "demohost/connection_obj.h"

#include "platform/com/com.h"

namespace demohost {

ConnectionObj::ConnectionObj(const CompanySession& session)
    : ComObject(ObjectKind::Connection), session_(session), db_(session.Current()),
      path_(session.Path()) {}

HRESULT ConnectionObj::GetDatabaseName(BSTR* fileName) {
  if (!fileName) return E_POINTER;
  const std::u16string w = com::Utf8ToUtf16(path_);
  *fileName = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(w.data()), UINT(w.size()));
  return S_OK;
}

HRESULT ConnectionObj::GetConnected(VARIANT_BOOL* connected) {
  if (!connected) return E_POINTER;
  const auto db = db_.lock();
  *connected = db && db == session_.Current() ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

LRESULT AnswerCurrentDatabase(const CompanySession& session, WPARAM cell) {
  auto* out = reinterpret_cast<host::IZndrConnection**>(cell);
  if (!out) return 0;
  if (auto fault = ActiveFaults().Next("QueryCurrentDatabase"); fault) return 0;
  *out = new ConnectionObj(session);
  return 1;
}

}  // namespace demohost

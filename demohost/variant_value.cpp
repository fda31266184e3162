#include "demohost/variant_value.h"

#include <oleauto.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "demohost/host_error.h"
#include "platform/com/com.h"

namespace demohost {

namespace {

std::string TypeName(VARTYPE vt) {
  switch (vt) {
    case VT_BSTR: return "a text";
    case VT_DATE: return "a date";
    case VT_BOOL: return "a boolean";
    case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL: return "a number";
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT: return "an integer";
    default: return "a value of variant type " + std::to_string(vt);
  }
}

HostError WrongType(const VARIANT& v, const Column& c, const char* kind) {
  return HostError("Field '" + c.name + "' holds " + kind + "; " + TypeName(v.vt) +
                   " cannot be stored in it.");
}

bool IsInteger(VARTYPE vt) {
  switch (vt) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT: return true;
    default: return false;
  }
}

bool IsReal(VARTYPE vt) { return vt == VT_R4 || vt == VT_R8 || vt == VT_CY || vt == VT_DECIMAL; }

// A numeric variant of any width, through the system's own coercion.
double AsDouble(const VARIANT& v) {
  VARIANT d;
  VariantInit(&d);
  if (FAILED(VariantChangeType(&d, const_cast<VARIANT*>(&v), 0, VT_R8))) throw HostError("The number is out of range.");
  return d.dblVal;
}

std::string NumberText(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", v);
  return buffer;
}

}  // namespace

Value FromVariant(const VARIANT& in, const Column& c) {
  const VARIANT* pv = &in;
  while (pv->vt == (VT_VARIANT | VT_BYREF) && pv->pvarVal) pv = pv->pvarVal;
  const VARIANT& v = *pv;
  if (v.vt & VT_BYREF) throw WrongType(v, c, "a value");
  if (v.vt == VT_EMPTY || v.vt == VT_NULL) return Value::Null();
  const std::string text = v.vt == VT_BSTR ? com::ToUtf8(v.bstrVal) : std::string();
  switch (c.type) {
    case ColumnType::Integer:
      if (IsInteger(v.vt) || IsReal(v.vt)) {
        const double d = AsDouble(v);
        if (d != std::floor(d) || std::fabs(d) > 9.2e18)
          throw HostError("Field '" + c.name + "' holds whole numbers; " + NumberText(d) + " is not one.");
        if (v.vt == VT_I8) return Value::Int(v.llVal);
        return Value::Int(int64_t(d));
      }
      if (v.vt == VT_BOOL) return Value::Int(v.boolVal ? 1 : 0);
      if (v.vt == VT_BSTR) return ParseTyped(text, c.type, c.name);
      throw WrongType(v, c, "whole numbers");
    case ColumnType::Real:
      if (IsInteger(v.vt) || IsReal(v.vt)) return Value::Real(AsDouble(v));
      if (v.vt == VT_BSTR) return ParseTyped(text, c.type, c.name);
      throw WrongType(v, c, "numbers");
    case ColumnType::Date:
      if (v.vt == VT_DATE) return Value::Text(DateText(v.date));
      if (v.vt == VT_BSTR) return ParseTyped(text, c.type, c.name);
      throw WrongType(v, c, "dates");
    case ColumnType::Text:
      if (v.vt == VT_BSTR) return Value::Text(text);
      if (v.vt == VT_I8) return Value::Text(std::to_string(v.llVal));
      if (IsInteger(v.vt) || IsReal(v.vt)) return Value::Text(NumberText(AsDouble(v)));
      if (v.vt == VT_BOOL) return Value::Text(v.boolVal ? "True" : "False");
      if (v.vt == VT_DATE) return Value::Text(DateText(v.date));
      throw WrongType(v, c, "text");
  }
  throw WrongType(v, c, "a value");
}

void ToVariant(const Value& value, const Column& c, VARIANT* out) {
  VariantInit(out);
  switch (value.kind) {
    case Value::Kind::Null:
      out->vt = VT_NULL;
      return;
    case Value::Kind::Integer:
      if (value.integer >= std::numeric_limits<LONG>::min() && value.integer <= std::numeric_limits<LONG>::max()) {
        out->vt = VT_I4;
        out->lVal = LONG(value.integer);
      } else {
        out->vt = VT_I8;
        out->llVal = value.integer;
      }
      return;
    case Value::Kind::Real:
      out->vt = VT_R8;
      out->dblVal = value.real;
      return;
    case Value::Kind::Text:
      break;
  }
  double date = 0;
  if (c.type == ColumnType::Date && ParseDateText(value.text, &date)) {
    out->vt = VT_DATE;
    out->date = date;
    return;
  }
  const std::u16string w = com::Utf8ToUtf16(value.text);
  out->vt = VT_BSTR;
  out->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(w.data()), UINT(w.size()));
}

}  // namespace demohost

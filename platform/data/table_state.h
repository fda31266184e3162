#pragma once
// The states of a table. SetKey and CalcFields exist so that callers which check the state
// (EnsureEditMode) see the same set of states as the host's tables.
namespace data {

enum class TableState { Inactive, Browse, Edit, Insert, SetKey, CalcFields };

}  // namespace data

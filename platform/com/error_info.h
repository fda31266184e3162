#pragma once
// The error text that a COM object leaves for its caller with a failing status.
#include <string>

namespace com {

// Called by an implementation (the demo host, test fakes) before it returns a failure.
void SetErrorDescription(const std::string& text);
// Called by the caller right after a failure: the text, or empty when none was set.
std::string TakeErrorDescription();

}  // namespace com

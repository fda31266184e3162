#pragma once
// How many of the host's automation objects are alive, by kind. The host keeps none of them
// between calls, so whatever is alive after LaunchTutorial returned is held by the assistant.
#include <string>

namespace demohost {

enum class ObjectKind { Window, Table, Field, Connection };
inline constexpr int kObjectKinds = 4;

class LiveObjects {
 public:
  static void Born(ObjectKind kind);
  static void Died(ObjectKind kind);
  static long Count(ObjectKind kind);
  static long Total();
  // "1 window, 2 fields" for the ones alive; empty when none is.
  static std::string Describe();
};

}  // namespace demohost

#include "demohost/live_objects.h"

namespace demohost {

namespace {
long g_counts[kObjectKinds] = {};
const char* const kNames[kObjectKinds] = {"window", "table", "field", "connection"};
}  // namespace

void LiveObjects::Born(ObjectKind kind) { ++g_counts[int(kind)]; }
void LiveObjects::Died(ObjectKind kind) { --g_counts[int(kind)]; }
long LiveObjects::Count(ObjectKind kind) { return g_counts[int(kind)]; }

long LiveObjects::Total() {
  long total = 0;
  for (long c : g_counts) total += c;
  return total;
}

std::string LiveObjects::Describe() {
  std::string text;
  for (int i = 0; i < kObjectKinds; ++i) {
    if (!g_counts[i]) continue;
    if (!text.empty()) text += ", ";
    text += std::to_string(g_counts[i]) + " " + kNames[i] + (g_counts[i] == 1 ? "" : "s");
  }
  return text;
}

}  // namespace demohost

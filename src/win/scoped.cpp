#include "win/scoped.h"

#include <array>

namespace win {
namespace {
// One GUI thread touches these, so plain counters do.
std::array<long, static_cast<size_t>(HandleKind::Count)> g_live{};
}  // namespace

long LiveHandles(HandleKind kind) { return g_live[static_cast<size_t>(kind)]; }
void CountHandle(HandleKind kind, int delta) { g_live[static_cast<size_t>(kind)] += delta; }

}  // namespace win

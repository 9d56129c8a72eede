#include "support/gdi_leak.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <set>

namespace kxtest {

namespace {

#ifdef _WIN64
// One entry of the GDI handle table of a 64-bit process. A handle is its
// index with `unique` in the upper half; `type` is 0 for a free entry.
struct HandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t extType;
  std::uint64_t user;
};
static_assert(sizeof(HandleEntry) == 24);

constexpr size_t kPebGdiTableOffset = 0xF8;
constexpr size_t kMaxHandles = 0x10000;

const char* KindName(DWORD objectType) {
  switch (objectType) {
    case OBJ_PEN: return "pen";
    case OBJ_BRUSH: return "brush";
    case OBJ_DC: return "DC";
    case OBJ_METADC: return "metafile DC";
    case OBJ_PAL: return "palette";
    case OBJ_FONT: return "font";
    case OBJ_BITMAP: return "bitmap";
    case OBJ_REGION: return "region";
    case OBJ_METAFILE: return "metafile";
    case OBJ_MEMDC: return "memory DC";
    case OBJ_EXTPEN: return "extended pen";
    case OBJ_ENHMETADC: return "enhanced-metafile DC";
    case OBJ_ENHMETAFILE: return "enhanced metafile";
    case OBJ_COLORSPACE: return "colour space";
    default: return "other";
  }
}

// Walks the handle table; false when the process has none mapped.
bool WalkHandleTable(GdiCount& count) {
  const BYTE* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
  const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + kPebGdiTableOffset);
  if (!table) return false;
  // Read no further than the mapping reaches.
  MEMORY_BASIC_INFORMATION region;
  if (!::VirtualQuery(table, &region, sizeof(region)) || region.State != MEM_COMMIT) return false;
  const size_t readable = static_cast<size_t>(static_cast<const BYTE*>(region.BaseAddress) +
                                              region.RegionSize -
                                              reinterpret_cast<const BYTE*>(table));
  size_t entries = readable / sizeof(HandleEntry);
  if (entries > kMaxHandles) entries = kMaxHandles;

  count.total = 0;
  count.byKind.clear();
  for (size_t i = 0; i < entries; ++i) {
    if (table[i].type == 0) continue;
    ++count.total;
    const auto handle = reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(i) |
                                                  (static_cast<std::uintptr_t>(table[i].unique) << 16));
    ++count.byKind[KindName(::GetObjectType(handle))];
  }
  return true;
}
#endif

}  // namespace

GdiCount CountGdiObjects() {
  GdiCount count;
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported > 0) {
    count.total = static_cast<long>(reported);
    return count;
  }
#ifdef _WIN64
  WalkHandleTable(count);
#endif
  return count;
}

long GdiObjectCount() { return CountGdiObjects().total; }

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM lParam) {
  ++*reinterpret_cast<long*>(lParam);
  return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND hWnd, LPARAM lParam) {
  CountWindow(hWnd, lParam);
  ::EnumChildWindows(hWnd, CountWindow, lParam);
  return TRUE;
}

}  // namespace

long UserObjectCount() {
  long n = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&n));
  return n + static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
}

::testing::AssertionResult SameGdiCount(const GdiCount& before, const GdiCount& after) {
  if (before.total < 0 || after.total < 0)
    return ::testing::AssertionFailure() << "GDI objects cannot be counted in this process";
  bool same = before.total == after.total;
  std::set<std::string> kinds;
  for (const auto& [kind, n] : before.byKind) kinds.insert(kind);
  for (const auto& [kind, n] : after.byKind) kinds.insert(kind);
  std::string detail;
  for (const std::string& kind : kinds) {
    const auto b = before.byKind.find(kind);
    const auto a = after.byKind.find(kind);
    const long delta = (a == after.byKind.end() ? 0 : a->second) -
                       (b == before.byKind.end() ? 0 : b->second);
    if (delta == 0) continue;
    same = false;
    detail += (detail.empty() ? "" : ", ") + kind + (delta > 0 ? " +" : " ") + std::to_string(delta);
  }
  if (same) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure();
  failure << "GDI objects: " << before.total << " before, " << after.total << " after";
  if (!detail.empty()) failure << " (" << detail << ")";
  return failure;
}

GdiLeakCheck::GdiLeakCheck(std::source_location where)
    : before_(CountGdiObjects()), where_(where) {}

GdiLeakCheck::~GdiLeakCheck() {
  if (done_) return;
  if (auto same = Verify(); !same)
    ADD_FAILURE_AT(where_.file_name(), static_cast<int>(where_.line())) << same.message();
}

::testing::AssertionResult GdiLeakCheck::Verify() {
  done_ = true;
  return SameGdiCount(before_, CountGdiObjects());
}

}  // namespace kxtest

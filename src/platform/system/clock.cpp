// One clock for the whole process: the real local time and a monotonic tick, or a
// fixed moment that tests set and advance.
#include "vrmwnd/platform/clock.h"

#include <chrono>
#include <ctime>
#include <mutex>

#include "platform_detail.h"
#include "vrmwnd/platform/testing.h"

namespace vrmwnd::platform::detail {
namespace {

struct FixedClock {
  bool fixed = false;
  std::int64_t local_ms = 0;  // milliseconds since 1970-01-01 00:00 local
  ULONGLONG tick = 0;
};

std::mutex g_mutex;
FixedClock g_clock;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t days_from_civil(int y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

SYSTEMTIME civil_from_ms(std::int64_t ms) {
  std::int64_t days = ms / 86'400'000;
  std::int64_t rest = ms % 86'400'000;
  if (rest < 0) {
    rest += 86'400'000;
    --days;
  }
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(y);
  t.wMonth = static_cast<WORD>(m);
  t.wDay = static_cast<WORD>(d);
  t.wDayOfWeek = static_cast<WORD>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  t.wHour = static_cast<WORD>(rest / 3'600'000);
  t.wMinute = static_cast<WORD>(rest / 60'000 % 60);
  t.wSecond = static_cast<WORD>(rest / 1000 % 60);
  t.wMilliseconds = static_cast<WORD>(rest % 1000);
  return t;
}

SYSTEMTIME real_local_time() {
  const auto now = std::chrono::system_clock::now();
  const std::int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(local.tm_year + 1900);
  t.wMonth = static_cast<WORD>(local.tm_mon + 1);
  t.wDayOfWeek = static_cast<WORD>(local.tm_wday);
  t.wDay = static_cast<WORD>(local.tm_mday);
  t.wHour = static_cast<WORD>(local.tm_hour);
  t.wMinute = static_cast<WORD>(local.tm_min);
  t.wSecond = static_cast<WORD>(local.tm_sec);
  t.wMilliseconds = static_cast<WORD>(ms % 1000);
  return t;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

void GetLocalTime(LPSYSTEMTIME time) {
  if (time == nullptr) return;
  {
    std::lock_guard<std::mutex> lock(detail::g_mutex);
    if (detail::g_clock.fixed) {
      *time = detail::civil_from_ms(detail::g_clock.local_ms);
      return;
    }
  }
  *time = detail::real_local_time();
}

ULONGLONG GetTickCount64() {
  {
    std::lock_guard<std::mutex> lock(detail::g_mutex);
    if (detail::g_clock.fixed) return detail::g_clock.tick;
  }
  const auto since_boot = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::milliseconds>(since_boot).count());
}

DWORD GetTickCount() { return static_cast<DWORD>(GetTickCount64()); }

void FixPlatformClock(const SYSTEMTIME& local, ULONGLONG tick) {
  const std::int64_t days = detail::days_from_civil(local.wYear, local.wMonth, local.wDay);
  std::lock_guard<std::mutex> lock(detail::g_mutex);
  detail::g_clock.fixed = true;
  detail::g_clock.local_ms = days * 86'400'000 + local.wHour * 3'600'000LL + local.wMinute * 60'000LL +
                             local.wSecond * 1000LL + local.wMilliseconds;
  detail::g_clock.tick = tick;
}

void AdvancePlatformClock(ULONGLONG milliseconds) {
  std::lock_guard<std::mutex> lock(detail::g_mutex);
  detail::g_clock.local_ms += static_cast<std::int64_t>(milliseconds);
  detail::g_clock.tick += milliseconds;
}

void ReleasePlatformClock() {
  std::lock_guard<std::mutex> lock(detail::g_mutex);
  detail::g_clock.fixed = false;
}

bool IsPlatformClockFixed() {
  std::lock_guard<std::mutex> lock(detail::g_mutex);
  return detail::g_clock.fixed;
}

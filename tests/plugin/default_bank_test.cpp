// The default bank beside the plug-in library, here beside the test
// program that holds the plug-in: a bank that cannot be read whole is
// reported, one that can is not.

#include <gtest/gtest.h>
#include <stdint.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Tolvo.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

const char* const kReport = "Exception opening/reading file";

std::string BankPath()
{
  char path[4096] = {};
#if defined(_WIN32)
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path - 1);
#else
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
#endif
  std::string folder(path, n > 0 ? size_t(n) : 0);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + "Tolvo default bank.FXB";
}

// What loading the bank of these bytes (none: no file) writes to the
// standard error stream.
std::string Load(const std::vector<uint8_t>* bytes)
{
  const std::string path = BankPath();
  std::remove(path.c_str());
  if (bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    if (!file) return "";
    std::fwrite(bytes->data(), 1, bytes->size(), file);
    std::fclose(file);
  }
  std::unique_ptr<Tolvo> plug(new Tolvo(nullptr));
  testing::internal::CaptureStderr();
  plug->LoadDefaultBank();
  const std::string written = testing::internal::GetCapturedStderr();
  std::remove(path.c_str());
  return written;
}

}  // namespace

TEST(DefaultBankFile, ABankThatPromisesMoreThanItHoldsIsReported)
{
  std::vector<uint8_t> bank(156, 0);  // a header: no program, no further value
  EXPECT_EQ(Load(&bank), "");
  bank[27] = 3;  // three programs promised
  EXPECT_NE(Load(&bank).find(kReport), std::string::npos);
  EXPECT_NE(Load(nullptr).find(kReport), std::string::npos);
}

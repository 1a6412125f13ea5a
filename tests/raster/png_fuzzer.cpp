// libFuzzer target: random bytes through the memory PNG loader, into a new
// bitmap and into a given one. Built only with -DPIX_FUZZ=ON and clang.
#include <cstddef>
#include <cstdint>

#include "PIX_MemBitmap.h"
#include "PIX_PNG.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  delete PIX_LoadPNGFromMemory(data, size, nullptr);
  PIX_MemBitmap given(5, 5);
  PIX_LoadPNGFromMemory(data, size, &given);
  // Whatever happened, the given bitmap holds the pixels its size claims.
  if (given.GetWidth() > 0 && given.GetHeight() > 0)
    given.GetBits()[(size_t)(given.GetHeight() - 1) * given.GetRowSpan() + given.GetWidth() - 1] ^= 1;
  return 0;
}

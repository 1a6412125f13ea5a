// PNG images among a module's resources (type "PNG").
#include <windows.h>

#include "PIX_PNG.h"

PIX_IBitmap* PIX_LoadPNGFromResource(void* module, uint16_t resourceId, PIX_IBitmap* bitmap)
{
  HMODULE hModule = static_cast<HMODULE>(module);
  HRSRC resource = FindResourceA(hModule, MAKEINTRESOURCEA(resourceId), "PNG");
  if (!resource) return nullptr;
  const DWORD size = SizeofResource(hModule, resource);
  if (size < 8) return nullptr;
  HGLOBAL loaded = LoadResource(hModule, resource);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return nullptr;
  return PIX_LoadPNGFromMemory(data, size, bitmap);
}

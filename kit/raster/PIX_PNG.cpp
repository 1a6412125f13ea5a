#include "PIX_PNG.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "PIX_MemBitmap.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

// Everything the decoder changes lives here, outside the frame that calls
// setjmp, so its values survive a libpng error exit.
struct Decode {
  png_structp png = nullptr;
  png_infop info = nullptr;
  PIX_IBitmap* given = nullptr;
  PIX_IBitmap* created = nullptr;
  png_bytep* rows = nullptr;
  bool ok = false;
};

struct MemoryCursor {
  const uint8_t* next;
  size_t left;
};

// Silent: a bad image is a null result, never a message.
void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

void ReadMemory(png_structp png, png_bytep out, png_size_t length)
{
  MemoryCursor* cursor = static_cast<MemoryCursor*>(png_get_io_ptr(png));
  std::memset(out, 0, length);
  const size_t n = length < cursor->left ? length : cursor->left;
  std::memcpy(out, cursor->next, n);
  cursor->next += n;
  cursor->left -= n;
  if (n < length) png_error(png, "truncated");
}

// Decodes the whole image into the target bitmap. Holds no object with a
// destructor, since a libpng error leaves it by longjmp.
void DecodeImage(Decode* d)
{
  if (setjmp(png_jmpbuf(d->png))) return;

  png_structp png = d->png;
  png_infop info = d->info;
  png_read_info(png, info);
  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0, compression = 0, filter = 0;
  png_get_IHDR(png, info, &width, &height, &depth, &colorType, &interlace, &compression, &filter);

  // Every colour type ends as four 8-bit channels in the build's pixel order.
  const bool hasTransparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (hasTransparency) png_set_tRNS_to_alpha(png);
  if (depth == 16) png_set_strip_16(png);
  if (depth < 8) png_set_packing(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
#if defined(PIX_MAC_PIXELS) && PIX_MAC_PIXELS
  const int fillerAt = PNG_FILLER_BEFORE;
  png_set_swap_alpha(png);
#else
  const int fillerAt = PNG_FILLER_AFTER;
  png_set_bgr(png);
#endif
  if (!(colorType & PNG_COLOR_MASK_ALPHA) && !hasTransparency) png_set_filler(png, 0xFF, fillerAt);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != 4 ||
      png_get_rowbytes(png, info) != (png_size_t)width * 4 || width > INT32_MAX || height > INT32_MAX)
    png_error(png, "unexpected layout");

  PIX_IBitmap* target = d->given;
  if (target) {
    target->Resize((int32_t)width, (int32_t)height);
  } else {
    target = d->created = new (std::nothrow) PIX_MemBitmap((int32_t)width, (int32_t)height, 4);
    if (!target) png_error(png, "out of memory");
  }
  if (target->GetWidth() != (int32_t)width || target->GetHeight() != (int32_t)height || !target->GetBits())
    png_error(png, "bitmap not allocated");

  d->rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
  if (!d->rows) png_error(png, "out of memory");
  for (png_uint_32 y = 0; y < height; ++y) d->rows[y] = reinterpret_cast<png_bytep>(PIX_RowsAt(target, (int32_t)y).row);
  png_read_image(png, d->rows);
  // Reading to the end checks the data's last CRC and the end chunk.
  png_read_end(png, nullptr);
  d->ok = true;
}

// Creates the libpng structures, runs the decoder with the given input set
// up by setInput, and cleans up. Strict: damaged ancillary chunks and bad
// checksums fail as well.
template <class SetInput>
PIX_IBitmap* Load(PIX_IBitmap* bitmap, SetInput setInput)
{
  Decode d;
  d.given = bitmap;
  d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!d.png) return nullptr;
  d.info = png_create_info_struct(d.png);
  if (!d.info) {
    png_destroy_read_struct(&d.png, nullptr, nullptr);
    return nullptr;
  }
  png_set_benign_errors(d.png, 0);
  png_set_crc_action(d.png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
  setInput(d.png);
  DecodeImage(&d);
  png_destroy_read_struct(&d.png, &d.info, nullptr);
  std::free(d.rows);
  if (d.ok) return bitmap ? bitmap : d.created;
  delete d.created;
  return nullptr;
}

std::FILE* OpenForReading(const char* fileName)
{
#if defined(_WIN32)
  if (!(GetVersion() & 0x80000000u)) {
    wchar_t wide[2048];
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, fileName, -1, wide, 2048) > 0)
      if (std::FILE* f = _wfopen(wide, L"rb")) return f;
  }
#endif
  return std::fopen(fileName, "rb");
}

bool HasSignature(const uint8_t* data, size_t length)
{
  return length >= 8 && png_sig_cmp(const_cast<png_bytep>(data), 0, 8) == 0;
}

const char* FileTypes() { return "PNG files (*.PNG)\0*.PNG\0"; }

}  // namespace

PIX_IBitmap* PIX_LoadPNGFromMemory(const void* data, size_t length, PIX_IBitmap* bitmap)
{
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  if (!bytes || !HasSignature(bytes, length)) return nullptr;
  MemoryCursor cursor = {bytes, length};
  return Load(bitmap, [&cursor](png_structp png) { png_set_read_fn(png, &cursor, ReadMemory); });
}

PIX_IBitmap* PIX_LoadPNG(const char* fileName, PIX_IBitmap* bitmap)
{
  if (!fileName) return nullptr;
  std::FILE* file = OpenForReading(fileName);
  if (!file) return nullptr;
  PIX_IBitmap* result = Load(bitmap, [file](png_structp png) { png_init_io(png, file); });
  std::fclose(file);
  return result;
}

PIX_IBitmap* PIX_LoadPNGByName(const char* fileName, bool checkExtension, PIX_IBitmap* bitmap)
{
  if (!fileName) return nullptr;
  if (checkExtension) {
    const char* tail = nullptr;
    for (const char* p = fileName; *p; ++p)
      if (*p == '\\' || *p == '/' || *p == '.') tail = p;
    const char* png = ".png";
    if (!tail || std::strlen(tail) != 4) return nullptr;
    for (int i = 0; i < 4; ++i) {
      const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? (char)(tail[i] - 'A' + 'a') : tail[i];
      if (c != png[i]) return nullptr;
    }
  }
  return PIX_LoadPNG(fileName, bitmap);
}

PIX_ImageLoader* PIX_gImageLoaders = nullptr;

namespace {
PIX_ImageLoader sPNGLoader = {PIX_LoadPNGByName, FileTypes, nullptr};
struct LinkPNGLoader {
  LinkPNGLoader()
  {
    sPNGLoader.next = PIX_gImageLoaders;
    PIX_gImageLoaders = &sPNGLoader;
  }
} sLinkPNGLoader;
}  // namespace

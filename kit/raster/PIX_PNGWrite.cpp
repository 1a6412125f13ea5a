#include "PIX_PNGWrite.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace {
// Holds no object with a destructor, since a libpng error leaves it by
// longjmp; the rows are prepared by the caller.
bool Encode(png_structp png, png_infop info, std::FILE* file, int width, int height, png_bytep* rows)
{
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, (png_uint_32)width, (png_uint_32)height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, info);
  return true;
}

void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}
}  // namespace

bool PIX_SavePNG(PIX_IBitmap* bitmap, const char* fileName)
{
  if (!bitmap || !fileName || !bitmap->GetBits()) return false;
  const int width = bitmap->GetWidth(), height = bitmap->GetHeight();
  if (width <= 0 || height <= 0) return false;

  std::vector<png_byte> bytes((size_t)width * (size_t)height * 4);
  std::vector<png_bytep> rows((size_t)height);
  for (int y = 0; y < height; ++y) {
    const PIX_Pixel* src = PIX_RowsAt(bitmap, y).row;
    png_bytep out = &bytes[(size_t)y * (size_t)width * 4];
    rows[(size_t)y] = out;
    for (int x = 0; x < width; ++x, out += 4) {
      out[0] = (png_byte)PIX_PixelR(src[x]);
      out[1] = (png_byte)PIX_PixelG(src[x]);
      out[2] = (png_byte)PIX_PixelB(src[x]);
      out[3] = (png_byte)PIX_PixelA(src[x]);
    }
  }

  std::FILE* file = std::fopen(fileName, "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool ok = info && Encode(png, info, file, width, height, rows.data());
  png_destroy_write_struct(&png, info ? &info : nullptr);
  const bool closed = std::fclose(file) == 0;
  return ok && closed;
}

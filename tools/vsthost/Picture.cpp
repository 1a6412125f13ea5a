#include "Picture.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vsthost {

namespace {

// libpng reports failures by a long jump: nothing with a destructor lives
// in the functions that set the jump.
void PngError(png_structp png, png_const_charp message)
{
  char* buffer = static_cast<char*>(png_get_error_ptr(png));
  std::snprintf(buffer, 256, "%s", message);
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

bool ReadRows(FILE* file, Picture* picture, char* message)
{
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, message, PngError, PngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    std::snprintf(message, 256, "out of memory");
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_strip_alpha(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 3) png_error(png, "not an 8-bit picture");
  picture->Resize(static_cast<int>(w), static_cast<int>(h));
  for (int pass = 0; pass < passes; ++pass)
    for (png_uint_32 y = 0; y < h; ++y) png_read_row(png, picture->Pixel(0, static_cast<int>(y)), nullptr);
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

bool WriteRows(FILE* file, const Picture& picture, char* message)
{
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, PngError, PngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    std::snprintf(message, 256, "out of memory");
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture.height; ++y) png_write_row(png, const_cast<png_bytep>(picture.Pixel(0, y)));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::string PictureName(const std::string& path)
{
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Picture::Resize(int w, int h)
{
  width = std::max(w, 0);
  height = std::max(h, 0);
  rgb.assign(static_cast<size_t>(width) * height * 3, 0);
}

bool ReadPng(const std::string& path, Picture* picture, std::string* error)
{
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    if (error) *error = "cannot read " + path;
    return false;
  }
  char message[256] = "";
  const bool ok = ReadRows(file, picture, message);
  std::fclose(file);
  if (!ok && error) *error = path + ": " + message;
  return ok;
}

bool WritePng(const std::string& path, const Picture& picture, std::string* error)
{
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  char message[256] = "";
  bool ok = picture.width > 0 && picture.height > 0;
  if (!ok) std::snprintf(message, sizeof message, "an empty picture");
  if (ok) ok = WriteRows(file, picture, message);
  ok = std::fclose(file) == 0 && ok;
  if (!ok && error) *error = path + ": " + (message[0] ? message : "write failed");
  return ok;
}

PictureDiff ComparePictures(const Picture& a, const Picture& b, const std::vector<PixelRect>& except)
{
  PictureDiff diff;
  if (a.width != b.width || a.height != b.height) {
    diff.sameSize = false;
    return diff;
  }
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (std::memcmp(a.Pixel(x, y), b.Pixel(x, y), 3) == 0) continue;
      if (std::any_of(except.begin(), except.end(), [x, y](const PixelRect& r) { return r.Contains(x, y); })) continue;
      if (diff.pixels++ == 0) diff.bounds = PixelRect{x, y, x + 1, y + 1};
      diff.bounds.left = std::min(diff.bounds.left, x);
      diff.bounds.top = std::min(diff.bounds.top, y);
      diff.bounds.right = std::max(diff.bounds.right, x + 1);
      diff.bounds.bottom = std::max(diff.bounds.bottom, y + 1);
    }
  }
  return diff;
}

}  // namespace vsthost

// Parameters: the host sets any index, in range or not, to any float (NaN
// and the infinities too) and types any text; every parameter must read
// back finite and within [0, 1], its display must end inside its buffer,
// and the plug-in must go on playing through it all.

#include <cstring>
#include <iterator>
#include <limits>

#include "Families.h"
#include "Moves.h"
#include "ParamTable.h"

using namespace TolvoParams;

namespace {

int32_t DrawIndex(Case& c)
{
  if (c.Chance(0.8)) return c.Int(0, kNumParams - 1);
  return c.Pick<int32_t>({-1, kNumParams, kNumHostParams, 100000, std::numeric_limits<int32_t>::max(),
                          std::numeric_limits<int32_t>::min()});
}

float DrawValue(Case& c)
{
  if (c.Chance(0.6)) return float(c.Real(0.0, 1.0));
  return c.Pick<float>({0.0f, 1.0f, -0.0f, -1.0f, 2.0f, 1e30f, -1e30f, 1e-45f, 0.99999994f,
                        std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                        -std::numeric_limits<float>::infinity()});
}

std::string DrawText(Case& c)
{
  static const char* const kTexts[] = {"0",      "1", "-1",  "0.5",  "nan",    "-nan",  "inf",    "-inf", "1e309",
                                       "-1e309", "",  "abc", "1/16", "Up Alt", "Chord", "Dotted", "C#",   "  7"};
  return kTexts[c.Int(0, int(std::size(kTexts)) - 1)];
}

}  // namespace

void RunParameterFamily(Case& c)
{
  Instance x(c);
  if (!x.IsOpen()) return;
  PressKeys(x, DrawChord(c), 0, 0);
  for (int n = c.Int(1, 200); n > 0 && !c.Failed(); --n) {
    const int32_t index = DrawIndex(c);
    if (c.Chance(0.7)) {
      x.plug.SetParameter(index, DrawValue(c));
    } else {
      std::string text = DrawText(c);
      x.plug.Dispatch(vsthost::kString2Parameter, index, 0, &text[0]);
    }
    const float v = x.plug.GetParameter(index);
    if (!(v >= 0.0f && v <= 1.0f)) c.Fail("parameter " + std::to_string(index) + " reads back " + std::to_string(v));
    char display[64 + 8];
    std::memset(display, 0x5A, sizeof display);
    x.plug.Dispatch(vsthost::kGetParamDisplay, index, 0, display);
    if (display[0] != 0x5A && !std::memchr(display, 0, 64))
      c.Fail("the display of parameter " + std::to_string(index) + " has no end within 64 bytes");
    for (size_t i = 64; i < sizeof display; ++i)
      if (display[i] != 0x5A) c.Fail("the display of parameter " + std::to_string(index) + " runs past 64 bytes");
    if (c.Chance(0.2)) x.Block(DrawBlockSize(c));
  }
  x.ParamsInRange();
  x.Settle("after the parameters");
}

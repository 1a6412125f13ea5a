// The integer colour conversions shared by every drawing unit.
#include "PIX_Pixel.h"

const uint16_t PIX_kReciprocal[256] = {
    0,    65535, 32767, 21844, 16383, 13106, 10921, 9361, 8191, 7280, 6552, 5956, 5460, 5040, 4680, 4368, 4095, 3854,
    3639, 3448,  3275,  3119,  2977,  2848,  2729,  2620, 2519, 2426, 2339, 2258, 2183, 2113, 2047, 1984, 1926, 1871,
    1819, 1770,  1723,  1679,  1637,  1597,  1559,  1523, 1488, 1455, 1423, 1393, 1364, 1336, 1309, 1284, 1259, 1235,
    1212, 1190,  1169,  1148,  1128,  1109,  1091,  1073, 1056, 1039, 1023, 1007, 991,  977,  962,  948,  935,  922,
    909,  896,   884,   872,   861,   850,   839,   828,  818,  808,  798,  788,  779,  770,  761,  752,  743,  735,
    727,  719,   711,   703,   696,   688,   681,   674,  667,  660,  654,  647,  641,  635,  629,  623,  617,  611,
    605,  600,   594,   589,   584,   578,   573,   568,  563,  559,  554,  549,  545,  540,  536,  531,  527,  523,
    519,  515,   511,   507,   503,   499,   495,   491,  488,  484,  480,  477,  473,  470,  467,  463,  460,  457,
    454,  450,   447,   444,   441,   438,   435,   433,  430,  427,  424,  421,  419,  416,  413,  411,  408,  406,
    403,  401,   398,   396,   393,   391,   389,   386,  384,  382,  380,  377,  375,  373,  371,  369,  367,  365,
    363,  361,   359,   357,   355,   353,   351,   349,  347,  345,  343,  342,  340,  338,  336,  335,  333,  331,
    329,  328,   326,   325,   323,   321,   320,   318,  317,  315,  314,  312,  311,  309,  308,  306,  305,  303,
    302,  301,   299,   298,   296,   295,   294,   292,  291,  290,  288,  287,  286,  285,  283,  282,  281,  280,
    279,  277,   276,   275,   274,   273,   272,   270,  269,  268,  267,  266,  265,  264,  263,  262,  261,  260,
    259,  258,   257,   256,
};

PIX_Pixel PIX_HSVToRGB(int32_t hue, int32_t saturation, int32_t value, int32_t alpha)
{
  const int32_t p = value * (256 - saturation) / 256;
  auto t = [&](int32_t k) { return value * (16384 - k * saturation) / 16384; };
  if (hue < 64) return PIX_MakePixel(value, t(64 - hue), p, alpha);
  if (hue < 128) return PIX_MakePixel(t(hue - 64), value, p, alpha);
  if (hue < 192) return PIX_MakePixel(p, value, t(192 - hue), alpha);
  if (hue < 256) return PIX_MakePixel(p, t(hue - 192), value, alpha);
  if (hue < 320) return PIX_MakePixel(t(320 - hue), p, value, alpha);
  return PIX_MakePixel(value, p, t(hue - 320), alpha);
}

void PIX_RGBToHSV(int32_t r, int32_t g, int32_t b, int32_t* hue, int32_t* saturation, int32_t* value)
{
  int32_t base, numerator, delta, largest;
  if (g > r && g > b) {
    base = 128, numerator = b - r, delta = g - (r < b ? r : b), largest = g;
  } else if (g > r) {
    base = 256, numerator = r - g, delta = b - r, largest = b;
  } else if (b < r && g >= b) {
    base = 0, numerator = g - b, delta = r - b, largest = r;
  } else if (b < r) {
    base = 383, numerator = g - b, delta = r - g, largest = r;
  } else {
    base = 256, numerator = r - g, delta = b - (g < r ? g : r), largest = b;
  }
  *value = largest;
  *hue = base + ((PIX_kReciprocal[delta & 0xFF] + 1) * numerator) / 1024;
  *saturation = (PIX_kReciprocal[largest & 0xFF] * delta) / 256;
}

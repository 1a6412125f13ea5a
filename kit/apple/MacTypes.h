#ifndef MACTYPES_H
#define MACTYPES_H

// Stands in for Apple's MacTypes.h off Apple (see README.md here): the
// basic scalar types, handles, status codes and the one point type the
// Audio Unit interfaces use.

#include <stdint.h>

typedef uint8_t UInt8;
typedef int8_t SInt8;
typedef uint16_t UInt16;
typedef int16_t SInt16;
typedef uint32_t UInt32;
typedef int32_t SInt32;
typedef uint64_t UInt64;
typedef int64_t SInt64;
typedef float Float32;
typedef double Float64;

typedef unsigned char Boolean;
typedef unsigned char Byte;
typedef unsigned long ByteCount;
typedef unsigned long ItemCount;

typedef SInt32 OSStatus;
typedef SInt16 OSErr;
typedef UInt32 FourCharCode;
typedef FourCharCode OSType;

typedef char* Ptr;
typedef Ptr* Handle;

struct Float32Point {
  Float32 x;
  Float32 y;
};

enum { noErr = 0, memFullErr = -108 };

#endif

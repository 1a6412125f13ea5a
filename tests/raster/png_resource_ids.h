// Resource ids of the test executable's PNG resources (type "PNG").
#pragma once

#define kResourceImage 101
#define kResourceSevenBytes 102
#define kResourceBadCRC 103
#define kResourceMissing 199

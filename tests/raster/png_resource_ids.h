#ifndef PNG_RESOURCE_IDS_H
#define PNG_RESOURCE_IDS_H

// Resource ids of the test executable's PNG resources (type "PNG").

#define kResourceImage 101
#define kResourceSevenBytes 102
#define kResourceBadCRC 103
#define kResourceMissing 199

#endif

#ifndef TOLVOBINDING_H
#define TOLVOBINDING_H

// The host binding the plug-in is built on, chosen by the build: the VST 2
// binding for Windows, the Audio Unit binding for macOS (and for the
// Audio Unit's native tests).

#if defined(TOLVO_AU)
#include "IFxAU.h"
using TolvoBinding = IFxAU;
// What the Audio Unit's open selector hands to the constructor.
using TolvoHost = const AUInstanceInfo*;
// One pixel narrower than in the Windows builds.
constexpr int kTolvoEditorWidth = 580;
// The bundle's identifier, by which the editor finds its images and skin.
constexpr const char* kTolvoBundleID = "com.Ulvas Orvanne.audiounit.Tolvo";
#else
#include "IFxVST.h"
using TolvoBinding = IFxVST;
using TolvoHost = audioMasterCallback;
constexpr int kTolvoEditorWidth = 581;
#endif

constexpr int kTolvoEditorHeight = 400;

#endif

#ifndef IFXEDITOR_H
#define IFXEDITOR_H

// The editor as the plug-in core sees it: the few calls IFxBase makes of
// the editor it owns. The editor core (IGraphics) implements it; the core
// hands the editor out to the plug-in and its binding but never looks
// inside it.

class IGraphics;

class IFxEditor {
public:
  // Host user-interface thread, as the plug-in deletes its editor.
  virtual ~IFxEditor() = default;

  // Any thread, under the plug lock; takes no lock and never waits.
  virtual void SetParameterFromPlug(int paramIdx, double value, bool normalized) = 0;
  // Host user-interface thread, under the plug lock.
  virtual void PrepareDrawing() = 0;
  virtual void ShowPlugChanges() = 0;
  // Any thread.
  virtual IGraphics* GetGraphics() = 0;
};

#endif

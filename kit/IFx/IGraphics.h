#ifndef IGRAPHICS_H
#define IGRAPHICS_H

// The part of the editor core that the plug-in base and its host bindings
// talk to. The editor framework implements it; the framework core needs
// nothing more of the editor.

class IGraphics {
public:
  virtual ~IGraphics() {}

  // Pushes a parameter's value into every control bound to it.
  virtual void SetParameterFromPlug(int paramIdx, double value, bool normalized) = 0;
  // Called once when the editor is attached to the plug-in.
  virtual void PrepareDrawing() = 0;
  // Opens the editor window inside the host's parent window; returns the
  // window, or null when none could be made.
  virtual void* OpenWindow(void* pParentWnd) = 0;
  virtual void CloseWindow() = 0;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

#endif

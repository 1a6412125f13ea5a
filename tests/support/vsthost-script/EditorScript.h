#ifndef VSTHOST_EDITORSCRIPT_H
#define VSTHOST_EDITORSCRIPT_H

// The script's editor actions (Windows): each line drives an instance's
// EditorFrame and prints what happened; the popup menus the plug-in showed
// meanwhile are printed after the line that opened them. The actions are
// listed in the host's usage text.

#include <ostream>
#include <sstream>
#include <string>

#include "EditorFrame.h"
#include "MenuAnswerer.h"

namespace vsthost {

class EditorScript {
public:
  explicit EditorScript(std::ostream& out) : mOut(out) {}

  // Whether the verb is an editor action.
  static bool Knows(const std::string& verb);
  // Runs one; false for a malformed line.
  bool Run(const std::string& verb, std::istringstream& in, Plugin& plug, EditorFrame& frame);

private:
  bool Editor(std::istringstream& in, Plugin& plug, EditorFrame& frame);
  bool Mouse(const std::string& verb, std::istringstream& in, EditorFrame& frame);
  bool Key(std::istringstream& in, EditorFrame& frame);
  bool Entry(EditorFrame& frame);
  void PrintMenus(const EditorFrame& frame);

  std::ostream& mOut;
  MenuAnswerer mMenus;
};

}  // namespace vsthost

#endif
